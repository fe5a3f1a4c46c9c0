#pragma once

#include <QRect>

namespace platform {

// Size of the primary screen, in device-independent pixels.
QSize tailleEcran();

// The strip of the primary screen that the desktop's panel covers: the part of the screen that
// the work area leaves out. Null when the work area is the whole screen.
QRect rectanglePanneau();

} // namespace platform
