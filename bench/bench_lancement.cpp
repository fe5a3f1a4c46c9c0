// Time from a click on a button of the bar to the started program running (it has written into a
// FIFO), against posix_spawn of the same program, measured in turns in the same run; and the
// launch call alone, which tells the cost of the click from the cost of starting.
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
#include <poll.h>
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

    std::vector<double> tressola, spawn, direct;
    for (int tour = 0; tour < Tours; ++tour) {
        {
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
        }
        {
            const QByteArray fifo = NouvelleFifo(rep);
            const int fd = OuvrirFifo(fifo);
            QElapsedTimer t;
            t.start();
            if (platform::lancer(marqueur, {QString::fromLocal8Bit(fifo)}, 5) && AttendreOctet(fd))
                direct.push_back(double(t.nsecsElapsed()) / 1000.0);
            close(fd);
        }
        {
            const QByteArray fifo = NouvelleFifo(rep);
            const int fd = OuvrirFifo(fifo);
            const QByteArray programme = QFile::encodeName(marqueur);
            char *args[] = {const_cast<char *>(programme.constData()),
                            const_cast<char *>(fifo.constData()), nullptr};
            QElapsedTimer t;
            t.start();
            pid_t pid = 0;
            if (posix_spawn(&pid, args[0], nullptr, nullptr, args, environ) == 0 &&
                AttendreOctet(fd))
                spawn.push_back(double(t.nsecsElapsed()) / 1000.0);
            close(fd);
            waitpid(pid, nullptr, 0);
        }
    }
    Rapporter("click on a button to its program running", tressola);
    Rapporter("posix_spawn of the same program", spawn);
    Rapporter("the launch call alone, without the click", direct);
    std::printf("click to exec against posix_spawn: %.2fx (medians %.0f us / %.0f us)\n",
                Mediane(tressola) / Mediane(spawn), Mediane(tressola), Mediane(spawn));
    delete barre;
    return 0;
}
