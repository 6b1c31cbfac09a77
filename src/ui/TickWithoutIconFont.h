#pragma once

// Windows 11's style draws a check box's tick and dash as characters of Windows 11's icon
// font. Where that font is missing (Wine has none), the box would show the font's empty
// "missing character" square instead; there this keeps the style and draws the two marks
// itself. Anywhere else it does nothing.
void drawTicksWithoutIconFont();
