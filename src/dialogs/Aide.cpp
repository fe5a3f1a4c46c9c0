#include "dialogs/Aide.h"

#include "dialogs/Messages.h"
#include "platform/Navigateur.h"

#include <QFileInfo>
#include <QUrl>

bool AfficherAide(int contexte) {
    const QString chemin = platform::cheminAide(contexte);
    if (!QFileInfo(chemin).isFile()) {
        Messages::Afficher(QStringLiteral("Le fichier d'aide est introuvable : ") + chemin);
        return false;
    }
    if (!platform::ouvrirUrl(QUrl::fromLocalFile(chemin))) {
        Messages::Afficher(QStringLiteral("Aucun navigateur n'a pu ouvrir l'aide : ") + chemin);
        return false;
    }
    return true;
}
