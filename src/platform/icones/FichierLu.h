#pragma once

#include "platform/icones/Octets.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace platform::icones {

// The bytes of a regular file, mapped into memory when the system allows it. Anything else
// (missing file, directory, pipe, device) reads as no bytes, and opening it never blocks.
class FichierLu {
public:
    explicit FichierLu(const QString &chemin);
    ~FichierLu();
    FichierLu(const FichierLu &) = delete;
    FichierLu &operator=(const FichierLu &) = delete;

    // Whether the file is a regular file that could be read, even an empty one.
    bool lu() const { return m_lu; }
    Octets octets() const { return m_octets; }

private:
    QFile m_fichier;
    uchar *m_carte = nullptr;
    QByteArray m_copie;
    Octets m_octets;
    bool m_lu = false;
};

} // namespace platform::icones
