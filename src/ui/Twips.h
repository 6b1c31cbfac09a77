#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

// Window definitions are in twips; Qt works in logical pixels, which it scales itself
// on dense screens. 15 twips make one logical pixel at 96 dpi.
namespace twips {

inline constexpr int kPerPixel = 15;

inline int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / kPerPixel));
}
inline int fromPixels(int pixels) {
    return pixels * kPerPixel;
}

inline QRect rect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

inline QSize size(int width, int height) {
    return {toPixels(width), toPixels(height)};
}

}  // namespace twips
