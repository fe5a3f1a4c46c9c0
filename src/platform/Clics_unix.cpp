#include "platform/Clics.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace platform {

namespace {

// The pointer's presses come as input-extension events where the server has that extension (Qt
// asks for them then), as core events otherwise.
constexpr std::uint16_t XiButtonPress = 4;
constexpr std::size_t XiFenetre = 24; // where the event's window stands in such an event

std::uint8_t opcodeXInput(xcb_connection_t *c) {
    const char nom[] = "XInputExtension";
    const auto cookie = xcb_query_extension(c, sizeof nom - 1, nom);
    xcb_query_extension_reply_t *r = xcb_query_extension_reply(c, cookie, nullptr);
    const std::uint8_t opcode = r && r->present ? r->major_opcode : 0;
    std::free(r);
    return opcode;
}

class FiltreClics : public QAbstractNativeEventFilter {
public:
    FiltreClics(std::function<void(QWindow *)> r, std::uint8_t xinput)
        : rappel(std::move(r)), opcodeXi(xinput) {}

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *evenement = static_cast<const xcb_generic_event_t *>(message);
        const std::uint8_t genre = evenement->response_type & 0x7f;
        xcb_window_t fenetre = XCB_NONE;
        if (genre == XCB_BUTTON_PRESS) {
            fenetre = static_cast<const xcb_button_press_event_t *>(message)->event;
        } else if (genre == XCB_GE_GENERIC && opcodeXi != 0) {
            const auto *ge = static_cast<const xcb_ge_generic_event_t *>(message);
            if (ge->extension != opcodeXi || ge->event_type != XiButtonPress)
                return false;
            std::memcpy(&fenetre, static_cast<const char *>(message) + XiFenetre, sizeof fenetre);
        } else {
            return false;
        }
        const QWindowList fenetres = QGuiApplication::allWindows();
        for (QWindow *w : fenetres)
            if (w->handle() && w->winId() == fenetre) {
                rappel(w);
                break;
            }
        return false; // the press goes on its way
    }

private:
    std::function<void(QWindow *)> rappel;
    std::uint8_t opcodeXi;
};

} // namespace

void surChaqueClic(std::function<void(QWindow *)> rappel) {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    static FiltreClics *filtre = nullptr;
    if (filtre) {
        qGuiApp->removeNativeEventFilter(filtre);
        delete filtre;
        filtre = nullptr;
    }
    if (!rappel)
        return;
    filtre = new FiltreClics(std::move(rappel), opcodeXInput(x11->connection()));
    qGuiApp->installNativeEventFilter(filtre);
}

} // namespace platform
