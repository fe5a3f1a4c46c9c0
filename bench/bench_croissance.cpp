// Start-up of the real program, from its start to its main bar mapped on the screen, for boards
// of different sizes: start-up must grow with what the bar shows, not with the whole file.
// Runs under a display with a window manager (scripts/bench.sh provides one). An argument names
// another build of the program to measure instead, for comparisons.

#include "Mesures.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

extern char **environ;

namespace {

// A main bar of `boutons` buttons; each drawer holds `parTiroir` buttons (0: reserved, empty).
QByteArray tableau(int boutons, int parTiroir) {
    const auto bouton = [](QByteArray &t, int i, const QByteArray &nom) {
        const QByteArray n = QByteArray::number(i);
        t += n + "LigCom=\"/usr/bin/" + nom + "\" --option\n" + n + "Lancement=0\n" + n +
             "WDir=/home/utilisateur/" + nom + "/\n" + n + "Name=\n" + n + "Icon=-1\n" + n +
             "Hint=" + nom + "\n";
    };
    QByteArray t = "[TRESSOLA]\nX=0\nY=0\nOrientation=0\nPosition=0\nStayOnTop=0\n"
                   "FermetureAuto=0\n[MAIN]\n";
    for (int i = 0; i < boutons; ++i) {
        bouton(t, i, "programme-" + QByteArray::number(i));
        t += QByteArray::number(i) + "NomSection=SECTION" + QByteArray::number(i) + "\n";
    }
    t += "Nombre=" + QByteArray::number(boutons) + "\n";
    for (int k = 0; k < boutons; ++k) {
        t += "[SECTION" + QByteArray::number(k) + "]\n";
        for (int i = 0; i < parTiroir; ++i)
            bouton(t, i, "outil-" + QByteArray::number(k) + "-" + QByteArray::number(i));
        t += "Nombre=" + QByteArray::number(parTiroir) + "\n";
    }
    return t;
}

// Microseconds from the start of the program to the mapping of its main bar, seen as the first
// window larger than a tray icon mapped on the root window.
double unDemarrage(xcb_connection_t *x, const QByteArray &binaire) {
    char *arguments[] = {const_cast<char *>(binaire.constData()), nullptr};
    QElapsedTimer chrono;
    chrono.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, binaire.constData(), nullptr, nullptr, arguments, environ) != 0)
        qFatal("the program could not start");
    double us = -1;
    while (us < 0 && chrono.elapsed() < 60000) {
        xcb_generic_event_t *e = xcb_wait_for_event(x);
        if (!e)
            qFatal("the display went away");
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
            xcb_get_geometry_reply_t *g =
                xcb_get_geometry_reply(x, xcb_get_geometry(x, m->window), nullptr);
            if (g && !m->override_redirect && (g->width > 100 || g->height > 100))
                us = chrono.nsecsElapsed() / 1000.0;
            free(g);
        }
        free(e);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    // Let the window manager forget the bar before the next start.
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    return us;
}

} // namespace

int main(int argc, char *argv[]) {
    const QString programme = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TRESSOLA);
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::printf("no display\n");
        return 1;
    }
    xcb_screen_t *ecran = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t masque = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, ecran->root, XCB_CW_EVENT_MASK, &masque);
    xcb_flush(x);

    struct Cas {
        const char *nom;
        int boutons;
        int parTiroir;
    };
    const Cas cas[] = {{"40 buttons, empty drawers", 40, 0},
                       {"40 buttons + 960 in their drawers", 40, 24},
                       {"400 buttons, empty drawers", 400, 0}};
    constexpr int fois = 11;
    std::vector<QTemporaryDir> reps(std::size(cas));
    std::vector<std::vector<double>> mesures(std::size(cas));
    for (std::size_t c = 0; c < std::size(cas); ++c) {
        QFile::copy(programme, reps[c].filePath(QStringLiteral("tressola")));
        QFile board(reps[c].filePath(QStringLiteral("TRESSOLA.INI")));
        board.open(QIODevice::WriteOnly);
        board.write(tableau(cas[c].boutons, cas[c].parTiroir));
    }
    // Interleaved, so that a change of the machine's load touches every case alike.
    for (int i = 0; i < fois; ++i)
        for (std::size_t c = 0; c < std::size(cas); ++c)
            mesures[c].push_back(
                unDemarrage(x, QFile::encodeName(reps[c].filePath(QStringLiteral("tressola")))));
    for (std::size_t c = 0; c < std::size(cas); ++c)
        Rapporter(cas[c].nom, mesures[c]);
    const double base = Mediane(mesures[0]);
    std::printf("ratios: 40 + 960 in drawers %.2f x 40 (%.1f ms / %.1f ms, goal 1.5), 400 buttons "
                "%.2f x 40 (%.1f ms / %.1f ms, goal 12)\n",
                Mediane(mesures[1]) / base, Mediane(mesures[1]) / 1000, base / 1000,
                Mediane(mesures[2]) / base, Mediane(mesures[2]) / 1000, base / 1000);
    xcb_disconnect(x);
    return 0;
}
