#include "platform/icones/RessourcesPE.h"

namespace platform::icones {

namespace {

constexpr quint32 sousRepertoire = 0x80000000u;
constexpr quint64 tailleRepertoire = 16;
constexpr quint64 tailleEntree = 8;
constexpr quint64 tailleSection = 40;
// More sections than the Windows loader has ever accepted are not looked at.
constexpr quint32 sectionsMaximum = 96;
// Index of the resource table among the data directories of the optional header.
constexpr quint32 tableRessources = 2;

} // namespace

std::optional<RessourcesPE> RessourcesPE::lire(Octets fichier) {
    if (!fichier.contient(0, 0x40) || fichier.u16(0) != 0x5A4D) // "MZ"
        return {};
    const quint64 pe = fichier.u32(0x3C);
    if (!fichier.contient(pe, 24) || fichier.u32(pe) != 0x00004550) // "PE\0\0"
        return {};
    const quint64 coff = pe + 4;
    const quint32 sections = qMin<quint32>(fichier.u16(coff + 2), sectionsMaximum);
    const quint64 tailleOptionnel = fichier.u16(coff + 16);
    const quint64 optionnel = coff + 20;
    if (!fichier.contient(optionnel, tailleOptionnel))
        return {};

    quint64 debutTables = 0;
    switch (fichier.u16(optionnel)) {
    case 0x10B: // PE32
        debutTables = 96;
        break;
    case 0x20B: // PE32+
        debutTables = 112;
        break;
    default:
        return {};
    }
    const quint32 tables = fichier.u32(optionnel + debutTables - 4);
    const quint64 finTable = debutTables + 8 * quint64(tableRessources + 1);
    if (tables <= tableRessources || finTable > tailleOptionnel)
        return {};
    const quint32 adresseRessources = fichier.u32(optionnel + debutTables + 8 * tableRessources);
    if (adresseRessources == 0)
        return {};

    RessourcesPE r;
    r.m_fichier = fichier;
    const quint64 table = optionnel + tailleOptionnel;
    if (!fichier.contient(table, tailleSection * sections))
        return {};
    for (quint32 i = 0; i < sections; ++i) {
        const quint64 s = table + tailleSection * i;
        r.m_sections.append(
            {fichier.u32(s + 12), fichier.u32(s + 8), fichier.u32(s + 16), fichier.u32(s + 20)});
    }
    // The tree's offsets count from the start of the resource table up to the end of the
    // section that holds it.
    r.m_ressources = r.enMemoire(adresseRessources, std::nullopt);
    if (!r.m_ressources.contient(0, tailleRepertoire))
        return {};
    return r;
}

Octets RessourcesPE::enMemoire(quint32 adresse, std::optional<quint32> taille) const {
    for (const Section &s : m_sections) {
        const quint64 etendue = qMax(s.tailleVirtuelle, s.tailleBrute);
        if (adresse < s.adresse || adresse - s.adresse >= etendue)
            continue;
        // Only what the file holds can be read: the rest of the section is zeros in memory, and
        // a truncated file holds less than its sections claim.
        const Octets brute = m_fichier.depuis(s.positionBrute);
        const Octets section = brute.tranche(0, qMin<quint64>(s.tailleBrute, brute.taille()));
        const quint64 decalage = adresse - s.adresse;
        return taille ? section.tranche(decalage, *taille) : section.depuis(decalage);
    }
    return {};
}

std::optional<RessourcesPE::Repertoire> RessourcesPE::repertoire(quint64 position) const {
    if (!m_ressources.contient(position, tailleRepertoire))
        return {};
    Repertoire r{position, m_ressources.u16(position + 12), m_ressources.u16(position + 14)};
    if (!m_ressources.contient(position + tailleRepertoire, tailleEntree * r.nombre()))
        return {};
    return r;
}

quint32 RessourcesPE::nomEntree(const Repertoire &r, quint32 i) const {
    return m_ressources.u32(r.position + tailleRepertoire + tailleEntree * i);
}

quint32 RessourcesPE::cibleEntree(const Repertoire &r, quint32 i) const {
    return m_ressources.u32(r.position + tailleRepertoire + tailleEntree * i + 4);
}

std::optional<RessourcesPE::Repertoire> RessourcesPE::type(quint16 numero) const {
    const std::optional<Repertoire> racine = repertoire(0);
    if (!racine)
        return {};
    for (quint32 i = racine->nommees; i < racine->nombre(); ++i) {
        if (nomEntree(*racine, i) != numero)
            continue;
        const quint32 cible = cibleEntree(*racine, i);
        if (!(cible & sousRepertoire))
            return {};
        return repertoire(cible & ~sousRepertoire);
    }
    return {};
}

Octets RessourcesPE::feuille(quint32 cible) const {
    // cible names the directory of the languages of one resource; its first entry is taken.
    if (!(cible & sousRepertoire))
        return {};
    const std::optional<Repertoire> langues = repertoire(cible & ~sousRepertoire);
    if (!langues || langues->nombre() == 0)
        return {};
    const quint32 donnees = cibleEntree(*langues, 0);
    if (donnees & sousRepertoire || !m_ressources.contient(donnees, 16))
        return {};
    return enMemoire(m_ressources.u32(donnees), m_ressources.u32(donnees + 4));
}

Octets RessourcesPE::donnees(const Repertoire &type, quint32 n) const {
    return n < type.nombre() ? feuille(cibleEntree(type, n)) : Octets();
}

Octets RessourcesPE::donneesNumero(const Repertoire &type, quint16 numero) const {
    quint32 bas = type.nommees;
    quint32 haut = type.nombre();
    while (bas < haut) {
        const quint32 milieu = bas + (haut - bas) / 2;
        const quint32 nom = nomEntree(type, milieu);
        if (nom == numero)
            return feuille(cibleEntree(type, milieu));
        if (nom < numero)
            bas = milieu + 1;
        else
            haut = milieu;
    }
    return {};
}

} // namespace platform::icones
