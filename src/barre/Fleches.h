#pragma once

#include "logic/Disposition.h"

#include <QImage>
#include <QPixmap>

class TBarreDlg;

// The arrow pictures of the drawer strips: black one-pixel lines on white, 14 x 10 for up and
// down, 10 x 10 for right and left. Null for Fleche::Aucune.
QImage DessinerFleche(Fleche fleche);

// The arrow for a screen of `ratio` device pixels per pixel: each pixel of the picture above
// covers as many device pixels, so that the lines stay one pixel wide and sharp.
QPixmap PixmapFleche(Fleche fleche, qreal ratio);

// The main bar's picture of that arrow, for a strip's glyph; null for Fleche::Aucune.
QPixmap GlypheFleche(const TBarreDlg *barrePrincipale, Fleche fleche);
