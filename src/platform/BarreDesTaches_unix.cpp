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

} // namespace platform
