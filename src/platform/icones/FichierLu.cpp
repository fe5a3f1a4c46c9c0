#include "platform/icones/FichierLu.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform::icones {

namespace {

// A file that cannot be mapped is read whole, up to this size.
constexpr qint64 copieMaximale = 64 * 1024 * 1024;

} // namespace

FichierLu::FichierLu(const QString &chemin) {
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
#else
    if (!QFileInfo(chemin).isFile())
        return;
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

} // namespace platform::icones
