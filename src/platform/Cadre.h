#pragma once

class QWindow;

namespace platform {

// Leaves a dialog of fixed size only its caption and close box where the window manager would
// still give it a minimise box whatever the toolkit asks. To be called before the window is
// shown; it holds for every later show.
void sansReduction(QWindow *dialogue);

// Brings a window of the program back in front after a click of the user elsewhere in the program,
// restored if the window manager minimised it; the window manager is asked at once, before the
// toolkit has even heard of the minimising.
void ramener(QWindow *fenetre);

} // namespace platform
