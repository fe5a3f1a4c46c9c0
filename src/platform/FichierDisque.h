#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// The board file at the level of the operating system: read without ever blocking or swallowing
// a device, and replaced whole so that a crash or a power loss leaves either the old file or the
// new one.
namespace platform {

// What identifies one state of a file: when all of it is unchanged, so are the file's bytes,
// unless the file was edited in place within the clock tick that stamped it (see recente).
struct EmpreinteFichier {
    std::uint64_t peripherique = 0;
    std::uint64_t inode = 0;
    std::int64_t taille = 0;
    std::int64_t modifieNs = 0;
    std::int64_t changeNs = 0;
    // The file was stamped so shortly before it was looked at that a later edit in place could
    // still carry the same stamp.
    bool recente = false;
    bool operator==(const EmpreinteFichier &autre) const {
        return peripherique == autre.peripherique && inode == autre.inode &&
               taille == autre.taille && modifieNs == autre.modifieNs && changeNs == autre.changeNs;
    }
};

enum class EtatLecture { Lu, Absent, Refuse, PasUnFichier, TropGrand, Erreur };

struct LectureFichier {
    EtatLecture etat = EtatLecture::Absent;
    QByteArray octets;
    EmpreinteFichier empreinte;
};

// The state of the file at that path (links followed), or nothing when there is none.
std::optional<EmpreinteFichier> empreinteFichier(const QString &chemin);

// Reads a regular file of at most tailleMax bytes. A FIFO, a device, a directory or a larger
// file is refused without reading a byte of it; opening never waits for a writer.
LectureFichier lireFichier(const QString &chemin, qint64 tailleMax);

// Replaces the file with these bytes: a temporary file beside it, written, given the owner,
// group and mode of the file it replaces (when the process may), flushed, renamed over it, and
// the folder flushed. A link is followed: its target is replaced. Gives the new file's state, or
// nothing when it failed (the old file then stays as it was).
std::optional<EmpreinteFichier> remplacerFichier(const QString &chemin, const QByteArray &octets);

// Removes the temporary files a replacement of that file left behind when its process was killed
// before the rename ("NAME.xxxxxx", six letters or digits). Only for a caller that holds the
// file's lock, so that no replacement is under way.
void supprimerTemporairesOrphelins(const QString &chemin);

// An advisory lock shared by every copy of the program: a lock file ("NAME.lock") beside the
// file, locked with flock and removed on release. The kernel drops the lock of a process that
// dies, so no lock is ever left stale, and taking it writes nothing to disk.
class VerrouFichier {
public:
    explicit VerrouFichier(const QString &cheminVerrou);
    ~VerrouFichier();
    VerrouFichier(const VerrouFichier &) = delete;
    VerrouFichier &operator=(const VerrouFichier &) = delete;

    // Waits at most attenteMs for the lock; false when another process still holds it or the
    // lock file cannot be made.
    bool prendre(int attenteMs);

private:
    QByteArray chemin_;
    int fd_ = -1;
};

} // namespace platform
