#pragma once

#include <QList>
#include <QRect>
#include <functional>

class QObject;

namespace platform {

// Size of the primary screen, in device-independent pixels.
QSize tailleEcran();

// The strip of the primary screen that the desktop's panel covers: the part of the screen that
// the work area leaves out. Null when the work area is the whole screen.
QRect rectanglePanneau();

// One monitor of the desk: its rectangle on the desktop and the part of it that the desktop's
// panels leave free, in device-independent pixels.
struct Moniteur {
    QRect ecran;
    QRect travail;
};

// The monitors of the desk, the primary first.
QList<Moniteur> moniteurs();

// Calls `changement` once the set of monitors has changed (one plugged in or out, one resized),
// after the desktop has settled, for as long as `contexte` lives.
void suivreMoniteurs(QObject *contexte, std::function<void()> changement);

} // namespace platform
