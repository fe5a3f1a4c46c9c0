#pragma once

// Forms are designed in pixels at 120 pixels per inch and follow the screen's text size: a designed
// figure becomes figure × dpi / 120, rounded to the nearest pixel.
inline constexpr int DpiDessin = 120;

constexpr int MiseAEchelle(int pixelsDessin, int dpiLogique) {
    const long long produit = static_cast<long long>(pixelsDessin) * dpiLogique;
    const long long arrondi = produit >= 0 ? produit + DpiDessin / 2 : produit - DpiDessin / 2;
    return static_cast<int>(arrondi / DpiDessin);
}
