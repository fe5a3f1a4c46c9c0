#pragma once

#include "logic/Echelle.h"

#include <QRect>
#include <QWidget>

// Places a control from its designed figures, scaled for the screen of its dialog.
inline void PlacerDessin(QWidget *controle, int dpi, int gauche, int haut, int largeur = -1,
                         int hauteur = -1) {
    controle->move(Echelle(gauche, dpi), Echelle(haut, dpi));
    if (largeur >= 0 && hauteur >= 0)
        controle->resize(Echelle(largeur, dpi), Echelle(hauteur, dpi));
}
