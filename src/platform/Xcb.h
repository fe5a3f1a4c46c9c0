#pragma once

// The X11 side of the window-manager requests, over Qt's own xcb connection. Only built where X11
// is; every function does nothing (or returns nothing) when the program does not run on xcb.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <initializer_list>

namespace platform::xcb {

using Fenetre = std::uint32_t;

// True when the program runs on the xcb platform and the connection can be used.
bool disponible();

// The managed client windows (_NET_CLIENT_LIST of the root window), oldest first.
QList<Fenetre> fenetresClientes();

// The process that owns a window, from its _NET_WM_PID; 0 when it does not say.
qint64 pidFenetre(Fenetre fenetre);

// The startup notification id of a window (_NET_STARTUP_ID, on the window or its client leader);
// empty when it has none.
QByteArray idDemarrageFenetre(Fenetre fenetre);

// The process of the local client that created a window, as the X server knows it (X-Resource);
// 0 when the server cannot tell. Unlike _NET_WM_PID, every program has one, whatever its toolkit.
qint64 pidClient(Fenetre fenetre);

// The name the running window manager gives itself (_NET_WM_NAME of its check window); empty when
// there is none or it does not say.
QByteArray nomGestionnaire();

// States the types of a window not yet mapped (_NET_WM_WINDOW_TYPE), the one most wanted first.
void definirTypes(Fenetre fenetre, std::initializer_list<const char *> types);

// Asks the window manager to maximise a mapped window (EWMH _NET_WM_STATE).
void demanderMaximiser(Fenetre fenetre);

// Asks the window manager to bring a window in front and give it the focus, restoring it when it
// is minimised, as for a click of the user (EWMH _NET_ACTIVE_WINDOW from a pager): the request an
// application makes for itself is turned down for a window the window manager has minimised.
void demanderActivation(Fenetre fenetre);

// Asks the window manager to iconify a mapped window (ICCCM WM_CHANGE_STATE).
void demanderIconifier(Fenetre fenetre);

// Adds or removes one state atom of a window: by a request to the window manager when the window
// is mapped, on the window's own property otherwise (read again when it is mapped).
void changerEtat(Fenetre fenetre, const char *etat, bool ajouter, bool visible);

} // namespace platform::xcb
