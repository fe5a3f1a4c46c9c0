#pragma once

#include <functional>

class QWindow;

namespace platform {

// Calls `rappel` with the window of the program that a mouse button was pressed on, for every
// press, before the toolkit sees it. The toolkit drops presses on the windows that a modal dialog
// blocks, so this is the only way to hear them. Where the window system brings a modal dialog
// forward by itself, nothing is installed.
void surChaqueClic(std::function<void(QWindow *)> rappel);

} // namespace platform
