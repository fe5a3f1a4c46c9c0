#include "platform/BarreDesTaches.h"
#include "platform/Xcb.h"

#include <QWindow>

namespace platform {

void montrerDansBarreDesTaches(QWindow *fenetre, bool montrer) {
    if (!fenetre || !xcb::disponible())
        return;
    xcb::changerEtat(xcb::Fenetre(fenetre->winId()), "_NET_WM_STATE_SKIP_TASKBAR", !montrer,
                     fenetre->isVisible());
}

void garderAuDessus(QWindow *fenetre, bool dessus) {
    if (!fenetre)
        return;
    // Qt's own flags, read again whenever the window is shown; the window manager is told at once
    // about a window already shown, which Qt does not do.
    fenetre->setFlag(Qt::WindowStaysOnTopHint, dessus);
    if (xcb::disponible())
        xcb::changerEtat(xcb::Fenetre(fenetre->winId()), "_NET_WM_STATE_ABOVE", dessus,
                         fenetre->isVisible());
}

} // namespace platform
