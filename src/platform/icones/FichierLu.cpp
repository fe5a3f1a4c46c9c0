#include "platform/icones/FichierLu.h"

#include <QFileInfo>
#include <QMutex>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform::icones {

namespace {

// A file that cannot be mapped is read whole, up to this size.
constexpr qint64 copieMaximale = 64 * 1024 * 1024;

#ifdef Q_OS_UNIX
FichierLu::Identite identiteDe(const struct stat &etat) {
    const auto ns = [](const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return {quint64(etat.st_dev), quint64(etat.st_ino), qint64(etat.st_size), ns(etat.st_mtim),
            ns(etat.st_ctim)};
}
#else
FichierLu::Identite identiteDe(const QFileInfo &info) {
    return {0, 0, info.size(), info.lastModified().toMSecsSinceEpoch() * 1000000,
            info.metadataChangeTime().toMSecsSinceEpoch() * 1000000};
}
#endif

} // namespace

std::optional<FichierLu::Identite> FichierLu::identiteActuelle(const QString &chemin) {
    if (chemin.isEmpty())
        return {};
#ifdef Q_OS_UNIX
    struct stat etat {};
    if (::stat(QFile::encodeName(chemin).constData(), &etat) != 0 || !S_ISREG(etat.st_mode))
        return {};
    return identiteDe(etat);
#else
    const QFileInfo info(chemin);
    if (!info.isFile())
        return {};
    return identiteDe(info);
#endif
}

FichierLu::FichierLu(const QString &chemin) : m_chemin(chemin) {
    if (chemin.isEmpty())
        return;
#ifdef Q_OS_UNIX
    // A pipe would block a plain open until a writer comes; opening without waiting and checking
    // what was opened leaves no window for the file to be swapped in between.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode) ||
        !m_fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return;
    }
    m_identite = identiteDe(etat);
#else
    const QFileInfo info(chemin);
    if (!info.isFile())
        return;
    m_identite = identiteDe(info);
    m_fichier.setFileName(chemin);
    if (!m_fichier.open(QIODevice::ReadOnly))
        return;
#endif
    const qint64 taille = m_fichier.size();
    if (taille > 0)
        m_carte = m_fichier.map(0, taille);
    if (m_carte) {
        m_octets = Octets(QByteArrayView(m_carte, taille));
    } else if (taille > 0) {
        if (taille > copieMaximale)
            return;
        m_copie = m_fichier.read(taille);
        m_octets = Octets(QByteArrayView(m_copie));
    }
    m_lu = true;
}

FichierLu::~FichierLu() {
    if (m_carte)
        m_fichier.unmap(m_carte);
}

std::shared_ptr<const FichierLu> lireFichier(const QString &chemin) {
    static QMutex garde;
    static std::shared_ptr<const FichierLu> dernier;

    const std::optional<FichierLu::Identite> identite = FichierLu::identiteActuelle(chemin);
    {
        const QMutexLocker verrou(&garde);
        if (dernier && identite && dernier->chemin() == chemin && dernier->identite() == *identite)
            return dernier;
    }
    auto fichier = std::make_shared<const FichierLu>(chemin);
    // Only a file that has not changed while it was being opened is kept for the next caller.
    if (fichier->lu() && identite && fichier->identite() == *identite) {
        const QMutexLocker verrou(&garde);
        dernier = fichier;
    }
    return fichier;
}

} // namespace platform::icones
