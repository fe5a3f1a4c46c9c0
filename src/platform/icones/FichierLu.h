#pragma once

#include "platform/icones/Octets.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

namespace platform::icones {

// The bytes of a regular file, mapped into memory when the system allows it. Anything else
// (missing file, directory, pipe, device) reads as no bytes, and opening it never blocks.
class FichierLu {
public:
    // What tells one state of a file from another: where it lives, its size and its times.
    struct Identite {
        quint64 peripherique = 0;
        quint64 noeud = 0;
        qint64 taille = -1;
        qint64 modification = 0; // nanoseconds
        qint64 changement = 0;   // nanoseconds
        bool operator==(const Identite &) const = default;
    };

    explicit FichierLu(const QString &chemin);
    ~FichierLu();
    FichierLu(const FichierLu &) = delete;
    FichierLu &operator=(const FichierLu &) = delete;

    // Whether the file is a regular file that could be read, even an empty one.
    bool lu() const { return m_lu; }
    Octets octets() const { return m_octets; }
    const QString &chemin() const { return m_chemin; }
    const Identite &identite() const { return m_identite; }

    // The identity of the regular file at this path now; nothing when there is none.
    static std::optional<Identite> identiteActuelle(const QString &chemin);

private:
    QString m_chemin;
    QFile m_fichier;
    uchar *m_carte = nullptr;
    QByteArray m_copie;
    Octets m_octets;
    Identite m_identite;
    bool m_lu = false;
};

// The bytes of a file. The last file read is kept while it stays the same (same identity): the
// icon chooser asks one library for its count and then forty icons in a row, and mapping a
// large file anew for each costs far more than reading one icon.
std::shared_ptr<const FichierLu> lireFichier(const QString &chemin);

} // namespace platform::icones
