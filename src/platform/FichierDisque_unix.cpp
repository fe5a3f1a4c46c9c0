#include "platform/FichierDisque.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Coarser than any clock tick that stamps files here.
constexpr std::int64_t margeHorodatageNs = 50'000'000;

std::int64_t ns(const timespec &t) {
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

EmpreinteFichier empreinte(const struct stat &etat) {
    timespec maintenant{};
    clock_gettime(CLOCK_REALTIME, &maintenant);
    EmpreinteFichier e;
    e.peripherique = etat.st_dev;
    e.inode = etat.st_ino;
    e.taille = etat.st_size;
    e.modifieNs = ns(etat.st_mtim);
    e.changeNs = ns(etat.st_ctim);
    e.recente = ns(maintenant) - std::max(e.modifieNs, e.changeNs) < margeHorodatageNs;
    return e;
}

// Closes on every way out.
struct Descripteur {
    int fd;
    explicit Descripteur(int f) : fd(f) {}
    ~Descripteur() {
        if (fd >= 0)
            ::close(fd);
    }
    Descripteur(const Descripteur &) = delete;
    Descripteur &operator=(const Descripteur &) = delete;
};

bool toutEcrire(int fd, const char *octets, qsizetype taille) {
    while (taille > 0) {
        const ssize_t ecrits = ::write(fd, octets, size_t(taille));
        if (ecrits < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        octets += ecrits;
        taille -= ecrits;
    }
    return true;
}

QByteArray dossierDe(const QByteArray &chemin) {
    const qsizetype barre = chemin.lastIndexOf('/');
    if (barre < 0)
        return QByteArrayLiteral(".");
    return barre == 0 ? QByteArrayLiteral("/") : chemin.first(barre);
}

bool suffixeTemporaire(const char *nom, const QByteArray &prefixe) {
    if (qstrncmp(nom, prefixe.constData(), size_t(prefixe.size())) != 0)
        return false;
    const char *suffixe = nom + prefixe.size();
    for (int i = 0; i < 6; ++i) {
        const char c = suffixe[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return suffixe[6] == '\0';
}

} // namespace

std::optional<EmpreinteFichier> empreinteFichier(const QString &chemin) {
    struct stat etat {};
    if (::stat(QFile::encodeName(chemin).constData(), &etat) != 0)
        return std::nullopt;
    return empreinte(etat);
}

LectureFichier lireFichier(const QString &chemin, qint64 tailleMax) {
    LectureFichier lu;
    // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
    const int fd =
        ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    const Descripteur garde(fd);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            lu.etat = EtatLecture::Absent;
        else if (errno == EACCES || errno == EPERM)
            lu.etat = EtatLecture::Refuse;
        else
            lu.etat = EtatLecture::Erreur;
        return lu;
    }
    struct stat etat {};
    if (::fstat(fd, &etat) != 0) {
        lu.etat = EtatLecture::Erreur;
        return lu;
    }
    if (!S_ISREG(etat.st_mode)) {
        lu.etat = EtatLecture::PasUnFichier;
        return lu;
    }
    if (etat.st_size > tailleMax) {
        lu.etat = EtatLecture::TropGrand;
        return lu;
    }
    lu.empreinte = empreinte(etat);
    // The file may grow while it is read: no more than the bound plus one byte is taken.
    lu.octets.resize(qsizetype(etat.st_size) + 1);
    qsizetype total = 0;
    for (;;) {
        if (total == lu.octets.size()) {
            if (total > tailleMax) {
                lu.etat = EtatLecture::TropGrand;
                lu.octets.clear();
                return lu;
            }
            lu.octets.resize(std::min<qsizetype>(total * 2 + 4096, tailleMax + 1));
        }
        const ssize_t n = ::read(fd, lu.octets.data() + total, size_t(lu.octets.size() - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            lu.etat = EtatLecture::Erreur;
            lu.octets.clear();
            return lu;
        }
        if (n == 0)
            break;
        total += n;
    }
    lu.octets.truncate(total);
    lu.etat = EtatLecture::Lu;
    return lu;
}

std::optional<EmpreinteFichier> remplacerFichier(const QString &chemin, const QByteArray &octets) {
    QByteArray cible = QFile::encodeName(chemin);
    struct stat ancien {};
    const bool existait = ::stat(cible.constData(), &ancien) == 0;
    if (existait) {
        char reel[PATH_MAX];
        if (::realpath(cible.constData(), reel))
            cible = QByteArray(reel);
    }
    QByteArray temporaire = cible + ".XXXXXX";
    const int fd = ::mkostemp(temporaire.data(), O_CLOEXEC);
    const Descripteur garde(fd);
    if (fd < 0)
        return std::nullopt;
    mode_t mode;
    if (existait) {
        // Only root may give the file away; for anyone else the call is a harmless no-op or
        // fails, and the new file is then theirs, as a file they created.
        if (::fchown(fd, ancien.st_uid, ancien.st_gid) != 0 && errno != EPERM) {
            ::unlink(temporaire.constData());
            return std::nullopt;
        }
        mode = ancien.st_mode & 07777;
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        mode = 0666 & ~masque;
    }
    struct stat ecrit {};
    // The mode goes after the owner: changing the owner clears the set-id bits.
    const bool reussi = toutEcrire(fd, octets.constData(), octets.size()) &&
                        ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0 &&
                        ::rename(temporaire.constData(), cible.constData()) == 0;
    if (!reussi) {
        ::unlink(temporaire.constData());
        return std::nullopt;
    }
    // The rename is on disk only once the folder is.
    const int dossier = ::open(dossierDe(cible).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dossier >= 0) {
        ::fsync(dossier);
        ::close(dossier);
    }
    if (::fstat(fd, &ecrit) != 0)
        return std::nullopt;
    return empreinte(ecrit);
}

void supprimerTemporairesOrphelins(const QString &chemin) {
    QByteArray cible = QFile::encodeName(chemin);
    char reel[PATH_MAX];
    if (::realpath(cible.constData(), reel))
        cible = QByteArray(reel);
    const QByteArray dossier = dossierDe(cible);
    const QByteArray prefixe = cible.mid(cible.lastIndexOf('/') + 1) + '.';
    DIR *flux = ::opendir(dossier.constData());
    if (!flux)
        return;
    while (const dirent *entree = ::readdir(flux)) {
        if (!suffixeTemporaire(entree->d_name, prefixe))
            continue;
        struct stat etat {};
        if (::fstatat(::dirfd(flux), entree->d_name, &etat, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(etat.st_mode))
            ::unlinkat(::dirfd(flux), entree->d_name, 0);
    }
    ::closedir(flux);
}

VerrouFichier::VerrouFichier(const QString &cheminVerrou)
    : chemin_(QFile::encodeName(cheminVerrou)) {}

VerrouFichier::~VerrouFichier() {
    if (fd_ < 0)
        return;
    // Removed while still held: a waiter that opened this file finds it gone once it gets the
    // lock, and starts again on the next one.
    ::unlink(chemin_.constData());
    ::close(fd_);
}

bool VerrouFichier::prendre(int attenteMs) {
    timespec debut{};
    clock_gettime(CLOCK_MONOTONIC, &debut);
    timespec pause{0, 1'000'000};
    for (;;) {
        const int fd = ::open(chemin_.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EINTR)
            return false;
        if (fd >= 0) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                struct stat tenu {};
                struct stat present {};
                if (::fstat(fd, &tenu) == 0 && ::stat(chemin_.constData(), &present) == 0 &&
                    tenu.st_dev == present.st_dev && tenu.st_ino == present.st_ino) {
                    fd_ = fd;
                    return true;
                }
            } else if (errno != EWOULDBLOCK && errno != EINTR) {
                ::close(fd);
                return false;
            }
            ::close(fd);
        }
        timespec maintenant{};
        clock_gettime(CLOCK_MONOTONIC, &maintenant);
        if (ns(maintenant) - ns(debut) >= std::int64_t(attenteMs) * 1'000'000)
            return false;
        ::nanosleep(&pause, nullptr);
        // Another copy holds the lock for a few milliseconds; a longer wait is polled less often.
        pause.tv_nsec = std::min<long>(pause.tv_nsec * 2, 20'000'000);
    }
}

} // namespace platform
