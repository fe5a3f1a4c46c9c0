#include "board/Globales.h"
#include "dialogs/Aide.h"
#include "dialogs/DemandeFichier.h"
#include "dialogs/Messages.h"
#include "dialogs/TChoixIconeDlg.h"
#include "dialogs/TConfigDlg.h"
#include "dialogs/TRadioGroup.h"
#include "logic/ChoixIcone.h"
#include "logic/ReglesChemin.h"
#include "logic/ReglesConfiguration.h"
#include "platform/Aide.h"
#include "platform/Navigateur.h"
#include "platform/Programme.h"
#include "platform/icons.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>

// What the two browse buttons offer. Everything is «*»: on Linux most programs have no
// extension, and «*.*» would hide them. Programs are told by the right to run them, which is what
// the launch needs.
static const QString FiltreTout = QStringLiteral("Tout (*)");
static const QString FiltreProgrammes = QStringLiteral("Programmes (*)");

void TConfigDlg::LigneCommandeExit() {
    const QString ligne = LigneCommande->text();
    const QString separateurs = platform::separateursChemin();
    if (Executable->text().isEmpty())
        Executable->setText(ligne);
    if (Infobulle->text().isEmpty())
        Infobulle->setText(NomInfobulle(ligne, separateurs));
    if (Repertoire->text().isEmpty())
        Repertoire->setText(RepertoireLigCom(ligne, separateurs));
}

void TConfigDlg::RepertoireExit() {
    const QChar separateur = platform::separateursChemin().front();
    Repertoire->setText(AvecSeparateurFinal(Repertoire->text(), separateur));
}

void TConfigDlg::Parcourir1Click() {
    const QString ligne = LigneCommande->text();
    const QString separateurs = platform::separateursChemin();
    Fichiers::Demande demande;
    demande.nom = PartieNom(ligne, separateurs);
    demande.filtres = {FiltreProgrammes, QStringLiteral("Executables (*.exe *.bat *.com)"),
                       FiltreTout};
    demande.programmes = 0;
    demande.repertoire = RepertoireLigCom(ligne, separateurs);
    const QString choisi = Fichiers::Demander(this, demande);
    if (!choisi.isEmpty())
        LigneCommande->setText(choisi);
    LigneCommandeExit();
}

void TConfigDlg::Parcourir2Click() {
    const QString source = Executable->text();
    const QString separateurs = platform::separateursChemin();
    Fichiers::Demande demande;
    // Every kind the icon readers take; a program of this system gives its theme's icon.
    demande.filtres = {QStringLiteral("Fichiers contenant des icônes (*.exe *.dll *.ico *.bmp "
                                      "*.png *.svg *.xpm *.desktop)"),
                       FiltreProgrammes, FiltreTout};
    demande.programmes = 1;
    demande.nom = PartieNom(source, separateurs);
    demande.repertoire = PartieRepertoire(source, separateurs);
    const QString choisi = Fichiers::Demander(this, demande);
    if (!choisi.isEmpty())
        Executable->setText(choisi);
}

TChoixIconeDlg *TConfigDlg::ChoixIcone() {
    if (G.ChoixIconeDlg)
        return G.ChoixIconeDlg;
    if (!PropreChoix)
        PropreChoix = new TChoixIconeDlg(this);
    return PropreChoix;
}

void TConfigDlg::ChoisirClick() {
    TChoixIconeDlg *choix = ChoixIcone();
    // The whole name, however long.
    choix->NomFichier = Executable->text();
    const int nombre = NombreIconesOffertes(iconCount(choix->NomFichier));
    if (nombre == 0) {
        Messages::Afficher(QFileInfo::exists(platform::fichierDuProgramme(choix->NomFichier))
                               ? QStringLiteral("Ce fichier ne contient pas d'icônes.")
                               : QStringLiteral("Fichier introuvable."));
        return;
    }
    choix->Nombre = nombre;
    choix->Cible = Numero;
    choix->exec();
}

void TConfigDlg::EffacerBtnClick() {
    LigneCommande->clear();
    Repertoire->clear();
    Infobulle->clear();
    Executable->clear();
    Numero->setValue(0);
    RadioGroup->SetItemIndex(0);
}

void TConfigDlg::HelpBtnClick() {
    AfficherAide(platform::ContexteConfiguration);
}

void TConfigDlg::FormKeyPress(QChar touche) {
    if (touche == QChar(0x1B))
        OKBtn->click();
}
