#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "ui/Centring.h"

TEST(Centring, RoundsHalvesToEvenThenHalvesTowardZero) {
    struct Case {
        float screen, window;
        int expected;
    };
    const Case cases[] = {
        {1000, 993, 3},     // 7 halves to 3
        {993, 1000, -3},    // -7 halves to -3, not -4
        {1000, 997.5f, 1},  // 2.5 rounds to 2 (even), then 1
        {1000, 996.5f, 2},  // 3.5 rounds to 4 (even), then 2
        {28800, 4365, 12217},
        {100, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen << " - " << c.window);
        EXPECT_EQ(centredOffset(c.screen, c.window), c.expected);
    }
}

TEST(Centring, AWindowLargerThanTheScreenGoesUpAndLeftByHalfTheOverhang) {
    EXPECT_EQ(centredOffset(1000, 1015), -7);
    EXPECT_EQ(centredOffset(1000, 1017.5f), -9);  // -17.5 rounds to -18 (even)
}

TEST(Centring, MovesTheWindowToTheScreensMiddleKeepingItsSize) {
    QWidget window;
    window.resize(301, 200);
    centreOnScreen(window);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // Window and frame together are centred, where the frame is known before the show.
    const QMargins frame =
        window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    EXPECT_EQ(window.size(), QSize(301, 200));
    EXPECT_NEAR(window.x(),
                screen.x() + (screen.width() - 301 - frame.left() - frame.right()) / 2, 1);
    EXPECT_NEAR(window.y(),
                screen.y() + (screen.height() - 200 - frame.top() - frame.bottom()) / 2, 1);
}
