#pragma once

#include <QImage>
#include <QPixmap>

class TBarreDlg;

enum class Fleche { Haut, Bas, Droite, Gauche };

// The arrow pictures of the drawer strips: black one-pixel lines on white, 14 x 10 for up and
// down, 10 x 10 for right and left.
QImage DessinerFleche(Fleche fleche);

// The glyph of a closed (or hidden) drawer, and of an open one, for the current orientation;
// taken from the main bar's pictures.
QPixmap FlecheFermee(const TBarreDlg *barrePrincipale);
QPixmap FlecheOuverte(const TBarreDlg *barrePrincipale);
