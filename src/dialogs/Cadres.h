#pragma once

#include <Qt>

class QWidget;
class QWindow;

// The frame of every dialog of the program: a caption with a close box, a border that does not
// size, and no minimise or maximise button. A minimised modal dialog would leave every other
// window of the program blocked with nothing to show why.
inline constexpr Qt::WindowFlags CadreFixe =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Gives a dialog built with `CadreFixe` and of fixed size that frame under every window manager,
// also those that keep a minimise box on any dialog the toolkit asks them for.
void DonnerCadreFixe(QWidget *dialogue);

// A press on `presse`, a window that the open modal dialog blocks (a bar, the tray icon), brings
// that dialog back in front, restored if a window manager minimised it all the same.
void RamenerDialogueModal(QWindow *presse);

// Does the above for every press on the program's windows from now on.
void GarderDialoguesModauxEnVue();
