#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace platform::icones {

// A read-only window on the bytes of a file. Every read is checked against the window: the
// offsets and sizes come from the file itself and are trusted for nothing. Positions are 64-bit
// so that adding two 32-bit fields of the file can never wrap around.
class Octets {
public:
    Octets() = default;
    explicit Octets(QByteArrayView vue) : m_debut(vue.data()), m_taille(quint64(vue.size())) {}

    quint64 taille() const { return m_taille; }
    bool vide() const { return m_taille == 0; }
    QByteArrayView vue() const { return QByteArrayView(m_debut, qsizetype(m_taille)); }

    // True when the bytes from debut to debut + longueur all lie in the window.
    bool contient(quint64 debut, quint64 longueur) const {
        return debut <= m_taille && longueur <= m_taille - debut;
    }

    // The bytes from debut to debut + longueur; empty when they do not all lie in the window.
    Octets tranche(quint64 debut, quint64 longueur) const {
        if (!contient(debut, longueur))
            return {};
        return Octets(m_debut + debut, longueur);
    }

    // The bytes from debut to the end of the window; empty past the end.
    Octets depuis(quint64 debut) const {
        return debut <= m_taille ? Octets(m_debut + debut, m_taille - debut) : Octets();
    }

    // Little-endian values. Outside the window they read as 0, so a read is never out of bounds;
    // the parsers check that a whole structure lies in the window before reading its fields.
    quint8 u8(quint64 pos) const { return contient(pos, 1) ? quint8(m_debut[pos]) : 0; }
    quint16 u16(quint64 pos) const {
        return contient(pos, 2) ? quint16(u8(pos) | u8(pos + 1) << 8) : 0;
    }
    quint32 u32(quint64 pos) const {
        return contient(pos, 4) ? quint32(u16(pos)) | quint32(u16(pos + 2)) << 16 : 0;
    }
    qint32 i32(quint64 pos) const { return qint32(u32(pos)); }

    // Whether the window starts with these bytes.
    bool commencePar(QByteArrayView debut) const { return vue().startsWith(debut); }

private:
    Octets(const char *debut, quint64 taille) : m_debut(debut), m_taille(taille) {}

    const char *m_debut = nullptr;
    quint64 m_taille = 0;
};

} // namespace platform::icones
