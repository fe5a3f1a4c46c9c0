#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where windows go on a desk of several monitors. A monitor is its rectangle on the desktop
// (QRect, right and bottom inclusive as Qt gives them); its work area is the part that the
// desktop's panels leave free. Lists of monitors are in the desktop's order, the primary first.

struct Moniteur {
    QRect ecran;
    QRect travail;
};

// The monitor that holds the largest part of `fenetre`; -1 when the window lies on none.
qsizetype MoniteurDeFenetre(const QList<Moniteur> &moniteurs, const QRect &fenetre);

// The monitor nearest to `fenetre` (the one that holds its largest part when some do); -1 when
// there is no monitor at all.
qsizetype MoniteurLePlusProche(const QList<Moniteur> &moniteurs, const QRect &fenetre);

// The top-left corner that brings `fenetre` inside `zone` by the least move; a window larger than
// the zone starts at the zone's left or top edge.
QPoint RamenerDans(const QRect &fenetre, const QRect &zone);

// The main bar's place on the desk: where it stands when some monitor shows part of it; else
// inside the work area of the nearest monitor, moved the least. Kept as it is without monitors.
QPoint PlaceSurLesMoniteurs(const QList<Moniteur> &moniteurs, const QRect &barre);

// The main bar's place once the monitors have changed: where it stands when the monitors show all
// of it; else inside the work area of the monitor that shows its largest part, or of the nearest
// one, moved the least. Kept as it is without monitors.
QPoint PlaceApresChangement(const QList<Moniteur> &moniteurs, const QRect &barre);

// The rectangle of the monitor whose far edges bound the bar `barre` (the one that holds it, or
// the nearest one); `defaut` when there is no monitor.
QRect EcranDeLaBarre(const QList<Moniteur> &moniteurs, const QRect &barre, const QRect &defaut);

// A drawer that the drawer rule sets across the edge between two monitors is moved, the least, onto
// the monitor that holds the largest part of it among those it fits on. A drawer that lies on one
// monitor, or partly off the desk, stays where the rule puts it.
QPoint TiroirSurUnMoniteur(const QList<Moniteur> &moniteurs, const QRect &tiroir);

// The icon chooser's left edge on the monitor `ecran`: one whose right edge would reach or pass the
// monitor's is moved to end there, and one wider than the monitor starts at its left edge.
int GaucheSurMoniteur(int gauche, int largeur, const QRect &ecran);
