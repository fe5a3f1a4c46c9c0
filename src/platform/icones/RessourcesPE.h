#pragma once

#include "platform/icones/Octets.h"

#include <QList>
#include <optional>

namespace platform::icones {

// The resources of a Windows executable or library, PE32 or PE32+. The resource tree has three
// levels: types, then the resources of a type (by name or number), then languages. Each level is
// read at a fixed depth, so a directory that points back at another cannot make the reading
// loop; every offset is checked against the file.
class RessourcesPE {
public:
    // A directory of the tree, checked to lie whole in the resource section.
    struct Repertoire {
        quint64 position = 0;
        quint32 nommees = 0;
        quint32 numerotees = 0;
        quint32 nombre() const { return nommees + numerotees; }
    };

    // Nothing when the bytes are not a PE file or hold no resource directory.
    static std::optional<RessourcesPE> lire(Octets fichier);

    // The directory of the resources of a type, given by its number.
    std::optional<Repertoire> type(quint16 numero) const;

    // The data of resource n of a type directory, in directory order (named resources first,
    // then numbered ones by number). Its first language is taken. Empty when damaged.
    Octets donnees(const Repertoire &type, quint32 n) const;

    // The data of the resource of a type directory whose number is numero; empty when there is
    // none. Numbers are searched by halves, as they are stored in rising order.
    Octets donneesNumero(const Repertoire &type, quint16 numero) const;

private:
    struct Section {
        quint32 adresse = 0;
        quint32 tailleVirtuelle = 0;
        quint32 tailleBrute = 0;
        quint32 positionBrute = 0;
    };

    std::optional<Repertoire> repertoire(quint64 position) const;
    quint32 nomEntree(const Repertoire &r, quint32 i) const;
    quint32 cibleEntree(const Repertoire &r, quint32 i) const;
    Octets feuille(quint32 cible) const;
    // The bytes of the file that the loaded image would hold at this address: taille of them,
    // or up to the end of their section.
    Octets enMemoire(quint32 adresse, std::optional<quint32> taille) const;

    Octets m_fichier;
    Octets m_ressources;
    QList<Section> m_sections;
};

} // namespace platform::icones
