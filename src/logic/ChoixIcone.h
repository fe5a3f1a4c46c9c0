#pragma once

// Geometry of the icon chooser: one row of square buttons, one per icon of the source file.

// The chooser offers at most this many icons, the first ones of the file.
inline constexpr int MaxIconesOffertes = 40;

inline constexpr int HautBoutonIcone = 5;
inline constexpr int CoteBoutonIcone = 45;

// How many icons the chooser shows for a file that holds `nombre`.
int NombreIconesOffertes(int nombre);

// Left edge of the button of icon `index`.
int GaucheBoutonIcone(int index);

// Width of the chooser that shows `nombre` icons.
int LargeurChoixIcone(int nombre);
