// Time from the start of a launch to the started program running (it has written into a FIFO):
// the launch path of a button (command built, split, directory entered, detached start) against
// posix_spawn of the same program.
#include "Mesures.h"
#include "logic/LigneCommande.h"
#include "logic/ReglesChemin.h"
#include "platform/Processus.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
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
    QCoreApplication app(argc, argv);
    QTemporaryDir rep;
    const QString marqueur = QStringLiteral(MARQUEUR);
    const QString wDir = rep.path() + u'/';

    std::vector<double> tressola, spawn;
    for (int tour = 0; tour < Tours; ++tour) {
        {
            const QByteArray fifo = NouvelleFifo(rep);
            const QString ligCom =
                QStringLiteral("\"%1\" \"%2\"").arg(marqueur, QString::fromLocal8Bit(fifo));
            const int fd = OuvrirFifo(fifo);
            QElapsedTimer t;
            t.start();
            const CommandeDecoupee c = DecouperCommande(CommandeLancement(ligCom));
            platform::changerRepertoireCourant(RepertoireLancement(wDir, SeparateursPosix));
            const bool lance =
                platform::lancer(c.programme, c.arguments, int(ModeAffichage(0))).has_value();
            if (lance && AttendreOctet(fd))
                tressola.push_back(double(t.nsecsElapsed()) / 1000.0);
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
    Rapporter("launch path of a button (split, chdir, detached)", tressola);
    Rapporter("posix_spawn of the same program", spawn);
    return 0;
}
