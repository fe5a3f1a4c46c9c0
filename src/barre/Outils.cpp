// The bar's other commands: help, the About box, a strip's tooltip, and the tray icon.

#include "barre/Enregistrements.h"
#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Tableau.h"
#include "dialogs/Aide.h"
#include "dialogs/Dialogues.h"
#include "dialogs/Messages.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/TConfigDlg.h"
#include "dialogs/THintDlg.h"
#include "dialogs/TRadioGroup.h"
#include "tray/TTrayIcon.h"

#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>

namespace {

// Says so when one of the texts is too long for the board file to give it back whole.
bool TexteRefuse(std::initializer_list<QString> textes) {
    for (const QString &texte : textes) {
        if (ValeurTropLongue(texte)) {
            Messages::Afficher(QStringLiteral("Ce texte est trop long : %1 caractères au plus.")
                                   .arg(longueurMaxValeur));
            return true;
        }
    }
    return false;
}

} // namespace

void TBarreDlg::AideClick() {
    AfficherAide(platform::ContexteSommaire);
}

void TBarreDlg::AproposdeTressolaClick() {
    Unique(G.AboutBox).exec();
}

void TBarreDlg::ConfigurerAppliClick() {
    TBoutonAppli *r = AppliDuControle(this, focusWidget());
    if (!r)
        return;
    TConfigDlg *d = &Unique(G.ConfigDlg);
    d->LigneCommande->setText(r->LigCom);
    d->RadioGroup->SetItemIndex(r->Lancement);
    d->Repertoire->setText(r->WDir);
    d->Infobulle->setText(r->Hint);
    d->Executable->setText(r->Name);
    d->Numero->setValue(r->Icon);
    // A text the board file would give back cut is refused, and the dialog shows again with what
    // was typed.
    do {
        if (d->exec() != QDialog::Accepted)
            return;
    } while (TexteRefuse({d->Repertoire->text(), d->Infobulle->text(), d->LigneCommande->text(),
                          d->Executable->text()}));
    r->WDir = d->Repertoire->text();
    r->Hint = d->Infobulle->text();
    r->LigCom = d->LigneCommande->text();
    r->Name = d->Executable->text();
    r->Lancement = static_cast<quint8>(d->RadioGroup->ItemIndex());
    r->Icon = d->Numero->value();
    RebatirBouton(this, r);
}

void TBarreDlg::ConfigHintClick() {
    TBoutonTiroir *d = TiroirDuControle(this, focusWidget());
    if (!d)
        return;
    THintDlg &hint = Unique(G.HintDlg);
    hint.Texte->setText(d->THint);
    do {
        if (hint.exec() != QDialog::Accepted)
            return;
    } while (TexteRefuse({hint.Texte->text()}));
    d->THint = hint.Texte->text();
    d->Bouton->setToolTip(d->THint);
    SauverBarre(this);
}

void TBarreDlg::TrayIconClick() {
    // In front of the other windows, without moving or sizing it.
    G.BarreDlg->show();
    G.BarreDlg->raise();
}

void TBarreDlg::CreerTrayIcon() {
    G.TrayIcon = new TTrayIcon(this);
    G.TrayIcon->SetIcon(QApplication::windowIcon());
    G.TrayIcon->SetToolTip(QStringLiteral("Tressola"));
    G.TrayIcon->OnClick = [this](TTrayIcon *) { TrayIconClick(); };
    G.TrayIcon->PopupMenu = PopupMenu;
    G.TrayIcon->SetShowApp(false);
    G.TrayIcon->SetActive(true);
}
