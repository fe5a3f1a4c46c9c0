#include "platform/icones/LecteurIco.h"

#include "platform/icones/Choix.h"

namespace platform::icones {

namespace {

constexpr quint64 tailleRepertoire = 6;
constexpr quint64 tailleEntree = 16;

} // namespace

bool estIco(Octets fichier) {
    return fichier.contient(0, tailleRepertoire) && fichier.u16(0) == 0 && fichier.u16(2) == 1 &&
           fichier.u16(4) > 0;
}

QImage imageIco(Octets fichier, int cote) {
    if (!estIco(fichier))
        return {};
    const quint16 nombre = fichier.u16(4);
    if (!fichier.contient(tailleRepertoire, tailleEntree * nombre))
        return {};
    QList<Octets> donnees;
    QList<std::optional<ApercuEntree>> apercus;
    donnees.reserve(nombre);
    apercus.reserve(nombre);
    for (quint64 i = 0; i < nombre; ++i) {
        const quint64 entree = tailleRepertoire + tailleEntree * i;
        const Octets d = fichier.tranche(fichier.u32(entree + 12), fichier.u32(entree + 8));
        donnees.append(d);
        apercus.append(apercuEntree(d));
    }
    const int choisie = meilleureEntree(apercus, cote);
    return choisie < 0 ? QImage() : enIcone(decoderEntree(donnees[choisie]), cote);
}

} // namespace platform::icones
