#include "dialogs/DemandeFichier.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

namespace Fichiers {

namespace {

// While it is active, only folders and the files the user may run stay in view.
class SeulementProgrammes : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void Activer(bool actif) {
        if (actif == Actif)
            return;
        Actif = actif;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int ligne, const QModelIndex &parent) const override {
        const auto *fichiers = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (!Actif || !fichiers)
            return true;
        const QFileInfo info = fichiers->fileInfo(fichiers->index(ligne, 0, parent));
        return info.isDir() || info.isExecutable();
    }

private:
    bool Actif = false;
};

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
    if (demande.programmes >= 0 && demande.programmes < demande.filtres.size()) {
        auto *programmes = new SeulementProgrammes(&dialogue);
        dialogue.setProxyModel(programmes);
        const QString filtre = demande.filtres.at(demande.programmes);
        const auto suivre = [programmes, filtre](const QString &choisi) {
            programmes->Activer(choisi == filtre);
        };
        QObject::connect(&dialogue, &QFileDialog::filterSelected, programmes, suivre);
        suivre(demande.filtres.constFirst());
    }
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
