#include "platform/Cadre.h"
#include "platform/Xcb.h"

#include <QWindow>

namespace platform {

void sansReduction(QWindow *dialogue) {
    if (!dialogue || !xcb::disponible())
        return;
    // This window manager takes no notice of the Motif hints that withhold minimising; it withholds
    // it only from the windows that stand for a part of another one, toolbars among them. Listed
    // before the dialog type, such a type keeps the caption and the close box, and the fixed size
    // already takes maximising away. Other window managers keep the plain dialog type: some of
    // them draw no caption at all on a toolbar.
    if (xcb::nomGestionnaire() != "Openbox")
        return;
    xcb::definirTypes(xcb::Fenetre(dialogue->winId()),
                      {"_NET_WM_WINDOW_TYPE_TOOLBAR", "_NET_WM_WINDOW_TYPE_DIALOG"});
}

void ramener(QWindow *fenetre) {
    if (fenetre && fenetre->handle() && xcb::disponible())
        xcb::demanderActivation(xcb::Fenetre(fenetre->winId()));
}

} // namespace platform
