#include "dialogs/DemandeFichier.h"
#include "dialogs/Messages.h"
#include "dialogs/TConfigDlg.h"
#include "logic/ReglesChemin.h"
#include "logic/ReglesConfiguration.h"
#include "platform/Programme.h"
#include "platform/iconExport.h"
#include "platform/icons.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>

namespace {

// Why the icon named by the fields cannot be had, in the words the icon chooser uses.
QString sansIcone(const QString &source, int numero) {
    if (iconCount(source) > 0)
        return QStringLiteral("Ce fichier n'a pas d'icône numéro %1 : rien n'a été enregistré.")
            .arg(numero);
    return QFileInfo::exists(platform::fichierDuProgramme(source))
               ? QStringLiteral("Ce fichier ne contient pas d'icônes.")
               : QStringLiteral("Fichier introuvable.");
}

} // namespace

void TConfigDlg::SauverBMPICOClick() {
    const int numero = Numero->value();
    const QString source = Executable->text();
    // Taken before anything is asked, so that what is saved is what the fields named when the
    // button was pressed.
    const QImage icone = iconImage(source, numero);
    if (icone.isNull()) {
        Messages::Afficher(sansIcone(source, numero));
        return;
    }

    const QString separateurs = platform::separateursChemin();
    Fichiers::Demande demande;
    demande.genre = Fichiers::Demande::Genre::Enregistrer;
    demande.titre = QStringLiteral("Sauver comme BMP");
    demande.nom = QStringLiteral("*.bmp");
    demande.repertoire = PartieRepertoire(source, separateurs);
    demande.filtres = {QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("Icônes (*.ico)")};
    const QString cible = Fichiers::Demander(this, demande);
    if (cible.isEmpty())
        return;

    // The name alone decides the format, whichever filter was selected.
    QString erreur;
    bool ecrit = true;
    switch (FormatExport(cible, separateurs)) {
    case FormatIcone::Bmp:
        ecrit = saveIconAsBmp(icone, cible, &erreur);
        if (ecrit)
            Image1->setPixmap(QPixmap::fromImage(icone));
        break;
    case FormatIcone::Ico:
        ecrit = saveIconAsIco(icone, cible, &erreur);
        break;
    case FormatIcone::Aucun:
        break;
    }
    if (!ecrit)
        Messages::Afficher(QStringLiteral("L'icône n'a pas pu être enregistrée dans « %1 » : %2.")
                               .arg(cible, erreur));
}
