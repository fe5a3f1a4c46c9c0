#include "board/Session.h"

#include "barre/TBarreDlg.h"

// The check mark shows the autostart folder as it is now, whoever changed it last: the item asks
// for the other state than the one found there.
void TBarreDlg::DemarrerSessionClick() {
    DefinirDemarrageSession(!DemarreAvecSession());
}
