#pragma once

// The dialogs are drawn at 120 pixels per inch; on a screen of another text size every figure
// grows or shrinks with it.
inline constexpr int DpiConception = 120;

// A designed figure in pixels at `dpi`, rounded to the nearest pixel (halves away from zero).
int Echelle(int pixels, int dpi);
