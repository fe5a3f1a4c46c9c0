#include "platform/Processus.h"
#include "platform/Xcb.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTimer>

namespace platform {

namespace {

constexpr int CommandeMaximiser = 3; // SW_SHOWMAXIMIZED
constexpr int CommandeMinimiser = 2; // SW_SHOWMINIMIZED
constexpr int IntervalleMs = 50;
constexpr int DureeMaxMs = 5000;

// The parent of a process, from /proc; 0 when unknown.
qint64 parent(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // "pid (name) state ppid ...": the name may hold spaces and parentheses, so read after the
    // last closing parenthesis.
    const QByteArray ligne = stat.readAll();
    const qsizetype fin = ligne.lastIndexOf(')');
    if (fin < 0)
        return 0;
    const QList<QByteArray> champs = ligne.mid(fin + 2).split(' ');
    return champs.size() > 1 ? champs.at(1).toLongLong() : 0;
}

// True for the process itself and for the processes it started, a few generations down (a script
// that starts the real program, which then opens the window).
bool descendDe(qint64 pid, qint64 ancetre) {
    for (int generation = 0; generation < 8 && pid > 1; ++generation) {
        if (pid == ancetre)
            return true;
        pid = parent(pid);
    }
    return false;
}

// Watches the client windows for the first one of a started process, then asks the window
// manager for the state wanted, and goes away; it also goes after a few seconds without one.
class Surveillant : public QObject {
public:
    Surveillant(qint64 pid, int affichage)
        : QObject(QCoreApplication::instance()), pid_(pid), affichage_(affichage) {
        horloge_.start();
        minuterie_.setInterval(IntervalleMs);
        connect(&minuterie_, &QTimer::timeout, this, &Surveillant::tour);
        minuterie_.start();
    }

private:
    void tour() {
        for (const xcb::Fenetre f : xcb::fenetresClientes()) {
            if (vues_.contains(f))
                continue;
            vues_.insert(f);
            if (descendDe(xcb::pidFenetre(f), pid_)) {
                if (affichage_ == CommandeMaximiser)
                    xcb::demanderMaximiser(f);
                else
                    xcb::demanderIconifier(f);
                finir();
                return;
            }
        }
        if (horloge_.elapsed() > DureeMaxMs)
            finir();
    }

    void finir() {
        minuterie_.stop();
        deleteLater();
    }

    qint64 pid_;
    int affichage_;
    QElapsedTimer horloge_;
    QTimer minuterie_;
    QSet<xcb::Fenetre> vues_;
};

} // namespace

bool changerRepertoireCourant(const QString &repertoire) {
    return !repertoire.isEmpty() && QDir::setCurrent(repertoire);
}

std::optional<qint64> lancer(const QString &programme, const QStringList &arguments,
                             int affichage) {
    if (programme.isEmpty())
        return std::nullopt;
    QProcess processus;
    processus.setProgram(programme);
    processus.setArguments(arguments);
    processus.setWorkingDirectory(QDir::currentPath());
    // A started program has no business reading the launcher's terminal.
    processus.setStandardInputFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!processus.startDetached(&pid))
        return std::nullopt;
    if ((affichage == CommandeMaximiser || affichage == CommandeMinimiser) && xcb::disponible())
        new Surveillant(pid, affichage);
    return pid;
}

} // namespace platform
