// Time from a click on a button of the bar to the started program running (it has written into a
// FIFO), against posix_spawn of the same program, measured in turns in the same run; and the
// launch call alone, which tells the cost of the click from the cost of starting. A last floor
// asks the kernel for what a detached launch needs (a session of its own, stdin from /dev/null,
// the signals reset): a new session also gets a scheduling group of its own where the kernel
// groups tasks by session, which a loaded machine makes wait.
#include "Mesures.h"
#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "platform/Processus.h"
#include "platform/Programme.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int Tours = 60;

// Opens the FIFO for reading without waiting for a writer.
int OuvrirFifo(const QByteArray &chemin) {
    return open(chemin.constData(), O_RDONLY | O_NONBLOCK);
}

// Waits for the byte of the started program; false after 5 seconds.
bool AttendreOctet(int fd) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 5000) != 1)
        return false;
    char octet;
    return read(fd, &octet, 1) == 1;
}

} // namespace

// A FIFO of its own for each measure: a writer of a former round that closes late would otherwise
// end the wait of this one.
QByteArray NouvelleFifo(const QTemporaryDir &rep) {
    static int numero = 0;
    const QByteArray chemin =
        QFile::encodeName(rep.filePath(QStringLiteral("fifo%1").arg(++numero)));
    return mkfifo(chemin.constData(), 0600) == 0 ? chemin : QByteArray();
}

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir rep;
    const QString marqueur = QStringLiteral(MARQUEUR);
    platform::simulerCheminProgramme(rep.filePath(QStringLiteral("tressola")));
    QFile tableau(rep.filePath(QStringLiteral("TRESSOLA.INI")));
    tableau.open(QIODevice::WriteOnly);
    tableau.write("[MAIN]\n0WDir=" + QFile::encodeName(rep.path()) + "/\nNombre=1\n");
    tableau.close();
    TBarreDlg *barre = TBarreDlg::Creer(G.BarreDlg);

    std::vector<double> tressola, spawn, direct, detache;
    const QByteArray programme = QFile::encodeName(marqueur);
    const auto lancerSpawn = [&](std::vector<double> &mesures, bool session) {
        const QByteArray fifo = NouvelleFifo(rep);
        const int fd = OuvrirFifo(fifo);
        char *args[] = {const_cast<char *>(programme.constData()),
                        const_cast<char *>(fifo.constData()), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_t attributs;
        posix_spawnattr_init(&attributs);
        if (session) {
            posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
            sigset_t aucun, tous;
            sigemptyset(&aucun);
            sigfillset(&tous);
            posix_spawnattr_setsigmask(&attributs, &aucun);
            posix_spawnattr_setsigdefault(&attributs, &tous);
            posix_spawnattr_setflags(&attributs, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK |
                                                     POSIX_SPAWN_SETSIGDEF);
        }
        QElapsedTimer t;
        t.start();
        pid_t pid = 0;
        if (posix_spawn(&pid, args[0], &actions, &attributs, args, environ) == 0 &&
            AttendreOctet(fd))
            mesures.push_back(double(t.nsecsElapsed()) / 1000.0);
        posix_spawnattr_destroy(&attributs);
        posix_spawn_file_actions_destroy(&actions);
        close(fd);
        waitpid(pid, nullptr, 0);
    };
    const std::vector<std::function<void()>> facons = {
        [&] {
            const QByteArray fifo = NouvelleFifo(rep);
            const QString ligCom =
                QStringLiteral("\"%1\" \"%2\"").arg(marqueur, QString::fromLocal8Bit(fifo));
            barre->Liste->LigCom = ligCom;
            const int fd = OuvrirFifo(fifo);
            QElapsedTimer t;
            t.start();
            QTest::mouseClick(barre->Liste->Bouton, Qt::LeftButton);
            if (AttendreOctet(fd))
                tressola.push_back(double(t.nsecsElapsed()) / 1000.0);
            close(fd);
        },
        [&] {
            const QByteArray fifo = NouvelleFifo(rep);
            const int fd = OuvrirFifo(fifo);
            QElapsedTimer t;
            t.start();
            if (platform::lancer(marqueur, {QString::fromLocal8Bit(fifo)}, 5) && AttendreOctet(fd))
                direct.push_back(double(t.nsecsElapsed()) / 1000.0);
            close(fd);
        },
        [&] { lancerSpawn(spawn, false); },
        [&] { lancerSpawn(detache, true); },
    };
    for (int tour = 0; tour < Tours; ++tour) {
        // Each way goes first in turn: none always follows the same one.
        for (size_t k = 0; k < facons.size(); ++k)
            facons[(size_t(tour) + k) % facons.size()]();
        // The programs of the bar are collected by the event loop.
        QCoreApplication::processEvents();
    }
    Rapporter("click on a button to its program running", tressola);
    Rapporter("posix_spawn of the same program", spawn);
    Rapporter("the launch call alone, without the click", direct);
    Rapporter("posix_spawn, new session, stdin, signals reset", detache);
    std::printf("click to exec against posix_spawn: %.2fx (medians %.0f us / %.0f us)\n",
                Mediane(tressola) / Mediane(spawn), Mediane(tressola), Mediane(spawn));
    std::printf("click to exec against posix_spawn of a detached program: %.2fx (medians %.0f us "
                "/ %.0f us)\n",
                Mediane(tressola) / Mediane(detache), Mediane(tressola), Mediane(detache));
    delete barre;
    return 0;
}
