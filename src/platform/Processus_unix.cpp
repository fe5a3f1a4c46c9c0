#include "platform/Processus.h"
#include "platform/Xcb.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

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
// A window is the program's when it says so (_NET_WM_PID), when it carries the startup id the
// program was given (a program that hands the work to an instance already running), or when the
// X server knows its client as the program (toolkits that set neither).
class Surveillant : public QObject {
public:
    Surveillant(qint64 pid, int affichage, QByteArray idDemarrage)
        : QObject(QCoreApplication::instance()), pid_(pid), affichage_(affichage),
          idDemarrage_(std::move(idDemarrage)) {
        horloge_.start();
        minuterie_.setInterval(IntervalleMs);
        connect(&minuterie_, &QTimer::timeout, this, &Surveillant::tour);
        minuterie_.start();
    }

private:
    bool estLaSienne(xcb::Fenetre f) const {
        const qint64 annonce = xcb::pidFenetre(f);
        if (annonce && descendDe(annonce, pid_))
            return true;
        if (xcb::idDemarrageFenetre(f) == idDemarrage_)
            return true;
        return !annonce && descendDe(xcb::pidClient(f), pid_);
    }

    void tour() {
        for (const xcb::Fenetre f : xcb::fenetresClientes()) {
            if (vues_.contains(f))
                continue;
            vues_.insert(f);
            if (estLaSienne(f)) {
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
    QByteArray idDemarrage_;
    QElapsedTimer horloge_;
    QTimer minuterie_;
    QSet<xcb::Fenetre> vues_;
};

// Collects a started program when it ends. The launcher's event loop is told by a descriptor of
// the process, which wakes it only then; where the system has none, the programs that ended are
// collected at the next launch.
class Fossoyeur : public QObject {
public:
    static void suivre(pid_t pid) {
        enAttente().erase(std::remove_if(enAttente().begin(), enAttente().end(),
                                         [](pid_t p) { return waitpid(p, nullptr, WNOHANG) != 0; }),
                          enAttente().end());
        const int fd = int(syscall(SYS_pidfd_open, pid, 0));
        if (fd < 0) {
            enAttente().push_back(pid);
            return;
        }
        new Fossoyeur(pid, fd);
    }

private:
    Fossoyeur(pid_t pid, int fd)
        : QObject(QCoreApplication::instance()), pid_(pid), fd_(fd),
          notificateur_(fd, QSocketNotifier::Read) {
        connect(&notificateur_, &QSocketNotifier::activated, this, [this] {
            notificateur_.setEnabled(false);
            waitpid(pid_, nullptr, 0);
            deleteLater();
        });
    }
    ~Fossoyeur() override { ::close(fd_); }

    static std::vector<pid_t> &enAttente() {
        static std::vector<pid_t> pids;
        return pids;
    }

    pid_t pid_;
    int fd_;
    QSocketNotifier notificateur_;
};

EchecLancement echecDe(int erreur) {
    switch (erreur) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return EchecLancement::Introuvable;
    case EACCES:
    case EPERM:
    case ENOEXEC:
    case EISDIR:
    case ETXTBSY:
        return EchecLancement::NonExecutable;
    default:
        return EchecLancement::Autre;
    }
}

// The environment of this process, with DESKTOP_STARTUP_ID replaced by `id` when one is given.
// The strings stay owned by `environ` and by `id`.
std::vector<char *> environnement(const QByteArray &id) {
    std::vector<char *> env;
    for (char **e = environ; *e; ++e)
        if (id.isEmpty() || std::strncmp(*e, "DESKTOP_STARTUP_ID=", 19) != 0)
            env.push_back(*e);
    if (!id.isEmpty())
        env.push_back(const_cast<char *>(id.constData()));
    env.push_back(nullptr);
    return env;
}

} // namespace

bool changerRepertoireCourant(const QString &repertoire) {
    return !repertoire.isEmpty() && QDir::setCurrent(repertoire);
}

Lance lancer(const QString &programme, const QStringList &arguments, int affichage) {
    if (programme.isEmpty())
        return {0, EchecLancement::Introuvable, {}};
    const bool etat =
        (affichage == CommandeMaximiser || affichage == CommandeMinimiser) && xcb::disponible();
    static int numero = 0;
    const QByteArray idDemarrage =
        etat ? "tressola-" + QByteArray::number(QCoreApplication::applicationPid()) + '-' +
                   QByteArray::number(++numero)
             : QByteArray();
    const QByteArray variable = etat ? "DESKTOP_STARTUP_ID=" + idDemarrage : QByteArray();

    std::vector<QByteArray> octets;
    octets.reserve(size_t(arguments.size()) + 1);
    octets.push_back(QFile::encodeName(programme));
    for (const QString &a : arguments)
        octets.push_back(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &o : octets)
        argv.push_back(o.data());
    argv.push_back(nullptr);
    std::vector<char *> env = environnement(variable);

    // No fork of the launcher: the child shares its memory until it runs the program, and the
    // C library reports a failed exec through the result (glibc, musl).
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // A started program has no business reading the launcher's terminal.
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_t attributs;
    posix_spawnattr_init(&attributs);
    // Detached: a session of its own, so that closing the launcher's terminal leaves it running;
    // the signals as a fresh program has them.
    sigset_t aucun, tous;
    sigemptyset(&aucun);
    sigfillset(&tous);
    posix_spawnattr_setsigmask(&attributs, &aucun);
    posix_spawnattr_setsigdefault(&attributs, &tous);
    posix_spawnattr_setflags(&attributs,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int erreur =
        posix_spawnp(&pid, argv.front(), &actions, &attributs, argv.data(), env.data());
    posix_spawnattr_destroy(&attributs);
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0)
        return {0, echecDe(erreur), QString::fromLocal8Bit(std::strerror(erreur))};
    // The bookkeeping waits until the click is handled: the program is already on its way, and a
    // program that has ended by then is collected all the same.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [pid, etat, affichage, idDemarrage] {
            Fossoyeur::suivre(pid);
            if (etat)
                new Surveillant(pid, affichage, idDemarrage);
        },
        Qt::QueuedConnection);
    return {pid, EchecLancement::Aucun, {}};
}

} // namespace platform
