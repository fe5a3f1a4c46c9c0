#include "platform/icones/LecteurPE.h"

#include "platform/icones/Choix.h"
#include "platform/icones/Entree.h"
#include "platform/icones/RessourcesPE.h"

namespace platform::icones {

namespace {

constexpr quint16 typeIcone = 3;         // one picture of an icon
constexpr quint16 typeGroupeIcones = 14; // an icon: the list of its pictures
constexpr quint64 tailleRepertoireGroupe = 6;
constexpr quint64 tailleEntreeGroupe = 14;
// Real groups hold a dozen pictures at most; a group that claims more is not read past this.
constexpr quint64 entreesGroupeMaximum = 256;

} // namespace

bool estExecutableWindows(Octets fichier) {
    return fichier.commencePar("MZ");
}

int nombreIconesPE(Octets fichier) {
    const std::optional<RessourcesPE> ressources = RessourcesPE::lire(fichier);
    if (!ressources)
        return 0;
    const auto groupes = ressources->type(typeGroupeIcones);
    return groupes ? int(groupes->nombre()) : 0;
}

QImage imagePE(Octets fichier, int index, int cote) {
    if (index < 0)
        return {};
    const std::optional<RessourcesPE> ressources = RessourcesPE::lire(fichier);
    if (!ressources)
        return {};
    const auto groupes = ressources->type(typeGroupeIcones);
    const auto icones = ressources->type(typeIcone);
    if (!groupes || !icones)
        return {};
    const Octets groupe = ressources->donnees(*groupes, quint32(index));
    if (!groupe.contient(0, tailleRepertoireGroupe) || groupe.u16(2) != 1)
        return {};
    const quint64 nombre = qMin<quint64>(groupe.u16(4), entreesGroupeMaximum);

    QList<Octets> donnees;
    QList<std::optional<ApercuEntree>> apercus;
    for (quint64 i = 0; i < nombre; ++i) {
        const quint64 entree = tailleRepertoireGroupe + tailleEntreeGroupe * i;
        if (!groupe.contient(entree, tailleEntreeGroupe))
            break;
        const Octets d = ressources->donneesNumero(*icones, groupe.u16(entree + 12));
        donnees.append(d);
        apercus.append(apercuEntree(d));
    }
    const int choisie = meilleureEntree(apercus, cote);
    return choisie < 0 ? QImage() : enIcone(decoderEntree(donnees[choisie]), cote);
}

} // namespace platform::icones
