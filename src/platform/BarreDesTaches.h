#pragma once

class QWindow;

namespace platform {

// Gives a top-level window its entry in the desktop's taskbar, or takes it away. Works on a window
// that is shown as on one that is not yet.
void montrerDansBarreDesTaches(QWindow *fenetre, bool montrer);

// Keeps a top-level window above the others, or lets it be covered again, without giving it a new
// native window: what is tied to it (its dialogs and tool windows, its taskbar state) stays tied.
void garderAuDessus(QWindow *fenetre, bool dessus);

} // namespace platform
