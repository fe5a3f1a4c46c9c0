#pragma once

class QWindow;

namespace platform {

// Gives a top-level window its entry in the desktop's taskbar, or takes it away. Works on a window
// that is shown as on one that is not yet.
void montrerDansBarreDesTaches(QWindow *fenetre, bool montrer);

} // namespace platform
