#pragma once

class QWindow;

namespace platform {

// Leaves a dialog of fixed size only its caption and close box where the window manager would
// still give it a minimise box whatever the toolkit asks. To be called before the window is
// shown; it holds for every later show.
void sansReduction(QWindow *dialogue);

} // namespace platform
