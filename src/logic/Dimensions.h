#pragma once

// Sizes of the bar, in pixels.
inline constexpr int TailleIcone = 32;  // side of an application button's icon glyph
inline constexpr int TailleBouton = 44; // side of an application button; long side of a strip
inline constexpr int Marge = 1;         // between the bar's edge and its buttons
inline constexpr int Espace = 3;        // between two buttons, and a button and its strip
inline constexpr int TailleTiroir = 16; // thickness of a drawer strip

// Drawer strips of non-empty drawers carry arrows.
inline constexpr bool FlechesTiroirs = true;
