#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// The arithmetic of the bars: where buttons and strips stand, how large a bar is, where a drawer
// and the main bar go, which arrow a strip shows and which menu items are checked. The widgets
// only apply what these functions return.
//
// Orientation is the board file's byte: 0 is a horizontal main bar (drawers grow upwards), 1 a
// vertical one (drawers grow to the right). Any other value is treated as vertical everywhere,
// except that the main bar is then not laid out at all and no bar is sized (see DisposerBarre).
//
// Rectangles are QRects. A window rectangle of the desktop given as (left, top, right, bottom),
// right and bottom excluded, is QRect(left, top, right - left, bottom - top); its excluded right
// and bottom are then x() + width() and y() + height(), one more than QRect::right() and
// QRect::bottom(), which are inclusive.

// Where a bar's controls stand, relative to the bar's top-left corner.
struct DispositionBarre {
    QList<QRect> boutons;        // application buttons, 44 × 44, in list order
    QList<QRect> bandes;         // drawer strips, main bar only: strip i goes with button i
    std::optional<QSize> taille; // none: the bar keeps the size (and the place) it has
};

// Lays out a bar of `nombre` application buttons. The main bar with an orientation other than 0
// and 1 gets nothing at all: its buttons stay where they are. A drawer bar then still sets its
// buttons in a row, but is neither sized nor placed. A bar without buttons gets nothing either.
DispositionBarre DisposerBarre(qsizetype nombre, quint8 orientation, bool estPrincipale);

// The main bar's top-left corner once it has its new size: a horizontal bar that would pass the
// screen's right edge is moved left to end at it, a vertical one that would pass the bottom edge
// is moved up. The other coordinate is never corrected, nor the near edge, so a bar larger than
// the screen gets a negative left or top.
QPoint CorrigerBordLointain(QPoint hautGauche, QSize taille, quint8 orientation, QSize ecran);

// The drawer rule: the top-left corner of a drawer window of size `tailleTiroir`, set against its
// strip `bande` (relative to the main bar) of the main bar standing at `barrePrincipale` on the
// screen. Above the main bar when it is horizontal, against its right side otherwise, never kept
// inside the screen.
QPoint PositionTiroir(const QRect &bande, const QRect &barrePrincipale, QSize tailleTiroir,
                      quint8 orientation);

// The screen edge along which the desktop's panel lies.
enum class BordPanneau { Aucun, Haut, Bas, Gauche, Droite };

// Classifies the panel `panneau` on the screen `ecran` by its shape and the edge it touches: a
// panel wider than tall lies along the top when it reaches the screen's top, along the bottom
// otherwise; any other panel along the left when it reaches the screen's left, along the right
// otherwise. An empty rectangle is no panel.
BordPanneau BordDuPanneau(const QRect &panneau, const QRect &ecran);

// Where the main bar goes at start-up, coordinate by coordinate; none where it stays.
struct PlacementLancement {
    std::optional<int> gauche;
    std::optional<int> haut;
};

// Start-up place of a main bar of size `barre` on a screen of size `ecran` for the setting
// `position`: 0 top left, 1 bottom left, 2 bottom right, 3 bottom middle, 4 the saved (posX,
// posY); any other value leaves the bar where it is. Corners on the panel's side are moved off
// the panel.
PlacementLancement PositionAuLancement(quint8 position, int posX, int posY, QSize barre,
                                       QSize ecran, BordPanneau bord, const QRect &panneau);

// A drawer's state as its strip shows it.
enum class EtatTiroir { Ferme, Cache, Ouvert };

// The glyph a strip carries; the other values name the bar's arrow images.
enum class Fleche { Aucune, FlecheHaut, FlecheBas, FlecheDroite, FlecheGauche };

// The arrow of a strip: none for an empty drawer; otherwise the way the drawer opens while it is
// closed or hidden (up, or right), and back while it is open (down, or left).
Fleche FlecheTiroir(bool nonVide, EtatTiroir etat, quint8 orientation);

// The check marks of the bar menu; each member is named after its item.
struct CochesMenu {
    bool Horizontal = false;
    bool Vertical = false;
    bool hg = false;
    bool bg = false;
    bool bd = false;
    bool bm = false;
    bool Quelconque = false;
    bool StayOnTop = false;
    bool Fermetureautomatiquedestiroirs1 = false;
};

// The check marks from the settings; a position above 4 checks no position item.
CochesMenu CochesMenuBarre(quint8 orientation, quint8 position, bool stayOnTop, bool fermetureAuto);

// Index of the first rectangle that holds `point`, edges included on all four sides (so the
// column just right of a rectangle and the row just below it count too); -1 when none does.
qsizetype IndiceEnPoint(const QList<QRect> &rectangles, QPoint point);
