#pragma once

class QWidget;

// Every window that centres itself does it the same way: the free space in twips,
// rounded to the nearest whole number (ties to even), then halved toward zero.
// A window larger than the screen gets a negative offset.
int centredOffset(float screenTwips, float windowTwips);

// Moves the window to the centre of its screen in one move; its size stays.
void centreOnScreen(QWidget& window);
