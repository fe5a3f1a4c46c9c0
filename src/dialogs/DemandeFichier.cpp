#include "dialogs/DemandeFichier.h"

#include <QDir>
#include <QFileDialog>

namespace Fichiers {

namespace {
Repondeur &repondeur() {
    static Repondeur r;
    return r;
}
} // namespace

QString Demander(QWidget *parent, const Demande &demande) {
    if (repondeur())
        return repondeur()(demande);
    QFileDialog dialogue(parent, demande.titre, demande.repertoire);
    const bool enregistrer = demande.genre == Demande::Genre::Enregistrer;
    dialogue.setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setOption(QFileDialog::DontConfirmOverwrite, enregistrer);
    dialogue.setNameFilters(demande.filtres);
    if (!demande.nom.isEmpty())
        dialogue.selectFile(demande.nom);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialogue.selectedFiles().constFirst());
}

void DefinirRepondeur(Repondeur r) {
    repondeur() = std::move(r);
}

} // namespace Fichiers
