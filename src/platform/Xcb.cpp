#include "platform/Xcb.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/res.h>
#include <xcb/xcb.h>

namespace platform::xcb {

namespace {

struct Liberer {
    void operator()(void *p) const { std::free(p); }
};
template <class T>
using Reponse = std::unique_ptr<T, Liberer>;

xcb_connection_t *connexion() {
    auto *app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return app ? app->connection() : nullptr;
}

xcb_window_t racine(xcb_connection_t *c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

xcb_atom_t atome(xcb_connection_t *c, const char *nom) {
    const auto cookie = xcb_intern_atom(c, 0, std::uint16_t(qstrlen(nom)), nom);
    Reponse<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(c, cookie, nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit items of a window property of the given type; empty when it is missing.
QList<std::uint32_t> propriete(xcb_connection_t *c, xcb_window_t w, xcb_atom_t nom,
                               xcb_atom_t type) {
    const auto cookie = xcb_get_property(c, 0, w, nom, type, 0, 4096);
    Reponse<xcb_get_property_reply_t> r(xcb_get_property_reply(c, cookie, nullptr));
    QList<std::uint32_t> valeurs;
    if (!r || r->format != 32 || r->type != type)
        return valeurs;
    const auto *donnees = static_cast<const std::uint32_t *>(xcb_get_property_value(r.get()));
    const int n = xcb_get_property_value_length(r.get()) / 4;
    valeurs.reserve(n);
    for (int i = 0; i < n; ++i)
        valeurs.append(donnees[i]);
    return valeurs;
}

// The bytes of a text property (UTF8_STRING or STRING); empty when it is missing.
QByteArray texte(xcb_connection_t *c, xcb_window_t w, xcb_atom_t nom) {
    const auto cookie = xcb_get_property(c, 0, w, nom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    Reponse<xcb_get_property_reply_t> r(xcb_get_property_reply(c, cookie, nullptr));
    if (!r || r->format != 8)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(r.get())),
                      xcb_get_property_value_length(r.get()));
}

void envoyerALaRacine(xcb_connection_t *c, xcb_window_t w, xcb_atom_t type,
                      std::initializer_list<std::uint32_t> donnees) {
    xcb_client_message_event_t ev{};
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = w;
    ev.type = type;
    int i = 0;
    for (const std::uint32_t d : donnees)
        ev.data.data32[i++] = d;
    xcb_send_event(c, 0, racine(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&ev));
    xcb_flush(c);
}

constexpr std::uint32_t NetWmStateRetirer = 0, NetWmStateAjouter = 1;
constexpr std::uint32_t SourceApplication = 1, SourceUtilisateur = 2;
constexpr std::uint32_t IconicState = 3;

} // namespace

bool disponible() {
    return connexion() != nullptr;
}

QList<Fenetre> fenetresClientes() {
    xcb_connection_t *c = connexion();
    if (!c)
        return {};
    return propriete(c, racine(c), atome(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
}

qint64 pidFenetre(Fenetre fenetre) {
    xcb_connection_t *c = connexion();
    if (!c)
        return 0;
    const auto valeurs = propriete(c, fenetre, atome(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL);
    return valeurs.isEmpty() ? 0 : qint64(valeurs.first());
}

QByteArray idDemarrageFenetre(Fenetre fenetre) {
    xcb_connection_t *c = connexion();
    if (!c)
        return {};
    const xcb_atom_t nom = atome(c, "_NET_STARTUP_ID");
    QByteArray id = texte(c, fenetre, nom);
    if (id.isEmpty()) {
        const auto chef = propriete(c, fenetre, atome(c, "WM_CLIENT_LEADER"), XCB_ATOM_WINDOW);
        if (!chef.isEmpty() && chef.first() != fenetre)
            id = texte(c, chef.first(), nom);
    }
    return id;
}

qint64 pidClient(Fenetre fenetre) {
    xcb_connection_t *c = connexion();
    if (!c)
        return 0;
    const xcb_res_client_id_spec_t demande{fenetre, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    Reponse<xcb_res_query_client_ids_reply_t> r(
        xcb_res_query_client_ids_reply(c, xcb_res_query_client_ids(c, 1, &demande), nullptr));
    if (!r)
        return 0;
    // Only process ids were asked for, so any value that comes back is one.
    for (auto it = xcb_res_query_client_ids_ids_iterator(r.get()); it.rem;
         xcb_res_client_id_value_next(&it)) {
        if (xcb_res_client_id_value_value_length(it.data) >= 1)
            return qint64(*xcb_res_client_id_value_value(it.data));
    }
    return 0;
}

QByteArray nomGestionnaire() {
    xcb_connection_t *c = connexion();
    if (!c)
        return {};
    const auto controle =
        propriete(c, racine(c), atome(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    return controle.isEmpty() ? QByteArray() : texte(c, controle.first(), atome(c, "_NET_WM_NAME"));
}

void definirTypes(Fenetre fenetre, std::initializer_list<const char *> types) {
    xcb_connection_t *c = connexion();
    if (!c)
        return;
    QList<std::uint32_t> atomes;
    for (const char *type : types)
        atomes.append(atome(c, type));
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, fenetre, atome(c, "_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, std::uint32_t(atomes.size()), atomes.constData());
    xcb_flush(c);
}

void demanderMaximiser(Fenetre fenetre) {
    xcb_connection_t *c = connexion();
    if (!c)
        return;
    envoyerALaRacine(c, fenetre, atome(c, "_NET_WM_STATE"),
                     {NetWmStateAjouter, atome(c, "_NET_WM_STATE_MAXIMIZED_VERT"),
                      atome(c, "_NET_WM_STATE_MAXIMIZED_HORZ"), SourceApplication, 0});
}

void demanderActivation(Fenetre fenetre) {
    xcb_connection_t *c = connexion();
    if (!c)
        return;
    envoyerALaRacine(c, fenetre, atome(c, "_NET_ACTIVE_WINDOW"),
                     {SourceUtilisateur, XCB_CURRENT_TIME, 0, 0, 0});
}

void demanderIconifier(Fenetre fenetre) {
    xcb_connection_t *c = connexion();
    if (!c)
        return;
    envoyerALaRacine(c, fenetre, atome(c, "WM_CHANGE_STATE"), {IconicState, 0, 0, 0, 0});
}

void changerEtat(Fenetre fenetre, const char *etat, bool ajouter, bool visible) {
    xcb_connection_t *c = connexion();
    if (!c)
        return;
    const xcb_atom_t netWmState = atome(c, "_NET_WM_STATE");
    const xcb_atom_t a = atome(c, etat);
    if (visible) {
        envoyerALaRacine(
            c, fenetre, netWmState,
            {ajouter ? NetWmStateAjouter : NetWmStateRetirer, a, 0, SourceApplication, 0});
        return;
    }
    // A window not yet mapped states its wishes on its own property; Qt keeps atoms it does not
    // manage when it maps the window.
    QList<std::uint32_t> etats = propriete(c, fenetre, netWmState, XCB_ATOM_ATOM);
    etats.removeAll(a);
    if (ajouter)
        etats.append(a);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, fenetre, netWmState, XCB_ATOM_ATOM, 32,
                        std::uint32_t(etats.size()), etats.constData());
    xcb_flush(c);
}

} // namespace platform::xcb
