#pragma once

#include <QFont>

// The font of the dialogs: the desktop's own family at the size the dialogs were drawn for, so
// that their texts fit the designed figures at any screen text size.
QFont PoliceDialogue(bool gras);
