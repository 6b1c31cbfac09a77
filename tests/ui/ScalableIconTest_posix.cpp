#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

#include "ui/ProgramIcon.h"

namespace {

constexpr int kSize = 48;

// The icon theme's scalable picture, as librsvg (what desktops draw SVG icons with)
// renders it.
QImage renderedSvg(const QString& pngPath) {
    const QString svg = QFileInfo(QStringLiteral(__FILE__))
                            .dir()
                            .filePath(QStringLiteral("../../data/icons/tessorin.svg"));
    QProcess::execute(QStringLiteral("rsvg-convert"),
                      {QStringLiteral("-w"), QString::number(kSize), QStringLiteral("-h"),
                       QString::number(kSize), QStringLiteral("-o"), pngPath, svg});
    return QImage(pngPath).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

bool close(QRgb a, QRgb b) {
    constexpr int kTolerance = 40;
    return std::abs(qRed(a) - qRed(b)) <= kTolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= kTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= kTolerance &&
           std::abs(qAlpha(a) - qAlpha(b)) <= kTolerance;
}

}  // namespace

// The desktop shows the SVG where the windows show the painted icon; the two drawings
// must stay one picture. Edges may differ a little between the two renderers.
TEST(ScalableIcon, IsTheWindowIconDrawnAsSvg) {
    QTemporaryDir folder;
    const QImage svg = renderedSvg(folder.filePath(QStringLiteral("icon.png")));
    ASSERT_EQ(svg.size(), QSize(kSize, kSize)) << "rsvg-convert (librsvg2-bin) rendered nothing";
    const QImage painted = programIconImage(kSize);

    int differing = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            differing += close(svg.pixel(x, y), painted.pixel(x, y)) ? 0 : 1;
        }
    }
    EXPECT_LE(differing, kSize * kSize / 50) << "pixels that differ";
}
