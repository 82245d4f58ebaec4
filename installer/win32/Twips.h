// Positions and sizes are given in twips (1,440 to the inch) and drawn in
// pixels at the screen's DPI.
#pragma once

#include <windows.h>

namespace installer {

inline constexpr int kTwipsPerInch = 1440;

// The screen's DPI, horizontally and vertically.
struct ScreenDpi {
    int x = 96;
    int y = 96;
};
ScreenDpi QueryScreenDpi();

// A rectangle in twips, left/top/width/height as a form lists them.
struct TwipsRect {
    int left, top, width, height;
};

inline int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, kTwipsPerInch); }
RECT ToPixels(const TwipsRect& twips, const ScreenDpi& dpi);

}  // namespace installer
