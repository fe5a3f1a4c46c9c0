// Editing a bar on the screen: inserting blank buttons, filling an empty drawer, deleting buttons.
// Every change ends with the bar's section written, so the board file holds what the bar shows.

#include "barre/Disposition.h"
#include "barre/Enregistrements.h"
#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "barre/Tiroirs.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/TIniFile.h"
#include "board/Tableau.h"
#include "dialogs/Messages.h"
#include "logic/Dimensions.h"

namespace {

// The slot of the focused control and the one before it: the head is examined last, with the
// last record as its predecessor. Null `cur` when no application button of the bar is focused.
struct Voisins {
    TBoutonAppli *prev = nullptr, *cur = nullptr;
    TBoutonTiroir *prevT = nullptr, *curT = nullptr;
};

Voisins voisinsDuFocus(const TBarreDlg *barre) {
    Voisins v;
    const QWidget *focus = barre->focusWidget();
    if (!barre->Liste || !focus)
        return v;
    TBoutonAppli *prev = barre->Liste;
    TBoutonAppli *cur = prev->Suivant;
    TBoutonTiroir *prevT = barre->ListeTiroirs;
    TBoutonTiroir *curT = prevT ? prevT->Suivant : nullptr;
    while (cur != barre->Liste && cur->Bouton != focus) {
        prev = cur;
        cur = cur->Suivant;
        if (prevT) {
            prevT = curT;
            curT = curT->Suivant;
        }
    }
    if (cur->Bouton == focus)
        v = {prev, cur, prevT, curT};
    return v;
}

// Closes a drawer bar whose section has just been erased, without letting it write it back.
void fermerSansSauver(TBarreDlg *tiroir) {
    G.SauvegardeBloquee = true;
    tiroir->close();
    G.SauvegardeBloquee = false;
}

} // namespace

void InsereBouton(TBarreDlg *barre, TBoutonAppli *prev, TBoutonAppli *next, bool peutDevenirTete,
                  TBoutonTiroir *prevT, TBoutonTiroir *nextT) {
    auto *r = new TBoutonAppli;
    r->Suivant = next;
    prev->Suivant = r;
    CreerBouton(barre, r);
    r->Bouton->setFocus();
    TBoutonTiroir *t = nullptr;
    if (barre->EstPrincipale) {
        t = new TBoutonTiroir;
        t->Suivant = nextT;
        prevT->Suivant = t;
        CreerBoutonTiroir(barre, t);
    }
    if (peutDevenirTete && next == barre->Liste) {
        barre->Liste = r;
        if (t)
            barre->ListeTiroirs = t;
    }
    if (t)
        t->NomSection = NouvelleSection();
    Arranger(barre);
    if (barre->EstPrincipale)
        PlacerTiroirs();
    SauverBarre(barre);
}

void TBarreDlg::InsererClick() {
    const Voisins v = voisinsDuFocus(this);
    if (!v.cur)
        return;
    InsereBouton(this, v.prev, v.cur, true, v.prevT, v.curT);
}

void TBarreDlg::InsererFinClick() {
    TBoutonAppli *dernier = Liste;
    TBoutonTiroir *dernierT = ListeTiroirs;
    while (dernier->Suivant != Liste) {
        dernier = dernier->Suivant;
        if (dernierT)
            dernierT = dernierT->Suivant;
    }
    InsereBouton(this, dernier, Liste, false, dernierT, ListeTiroirs);
}

void TBarreDlg::InsererPremierClick() {
    TBoutonTiroir *d = TiroirDuControle(this, focusWidget());
    // The item is offered for an empty drawer only, which has no window.
    if (!d || d->Barre)
        return;
    if (d->NomSection.isEmpty())
        d->NomSection = NouvelleSection();
    TIniFile(G.FichierTableau)
        .WriteStrings(d->NomSection, {{QStringLiteral("0LigCom"), {}},
                                      {QStringLiteral("0Lancement"), QStringLiteral("0")},
                                      {QStringLiteral("0WDir"), {}},
                                      {QStringLiteral("0Name"), {}},
                                      {QStringLiteral("0IsBmp"), QStringLiteral("0")},
                                      {QStringLiteral("0Icon"), QStringLiteral("-1")},
                                      {QStringLiteral("0Hint"), {}},
                                      {QStringLiteral("Nombre"), QStringLiteral("1")}});
    G.TiroirEnCours = d;
    TBarreDlg::Creer(d->Barre);
    d->Barre->Tag = 0;
    MarquerTiroir(d, EtatTiroir::Ouvert);
}

void TBarreDlg::DetruireClick() {
    if (Liste && Liste->Suivant == Liste) {
        if (EstPrincipale) {
            Messages::Afficher(
                QStringLiteral("C'est le dernier bouton, on ne peut pas le détruire!"));
            return;
        }
        // The last button of a drawer takes the drawer with it: no question asked.
        TBoutonTiroir *t = Tiroir;
        TIniFile(G.FichierTableau).EraseSection(t->NomSection);
        fermerSansSauver(this);
        if (FlechesTiroirs && t->Bouton)
            t->Bouton->setIcon(QIcon());
        return;
    }
    const Voisins v = voisinsDuFocus(this);
    if (!v.cur)
        return;
    // A drawer that was reserved and never filled goes without a question; one whose section
    // is gone is asked about, since it cannot be told from one that holds buttons.
    if (EstPrincipale && v.curT && NombreTiroir(v.curT->NomSection) != 0 &&
        !Messages::DemanderOkAnnuler(QStringLiteral("Confirmation requise"),
                                     QStringLiteral("Vous voulez effacer tout le tiroir ?")))
        return;
    if (v.cur == Liste) {
        Liste = v.cur->Suivant;
        if (v.curT)
            ListeTiroirs = v.curT->Suivant;
    }
    ParquerFocus();
    delete v.cur->Bouton;
    v.prev->Suivant = v.cur->Suivant;
    delete v.cur;
    if (EstPrincipale && v.curT) {
        if (!v.curT->NomSection.isEmpty())
            TIniFile(G.FichierTableau).EraseSection(v.curT->NomSection);
        if (v.curT->Barre)
            fermerSansSauver(v.curT->Barre);
        ParquerFocus();
        delete v.curT->Bouton;
        v.prevT->Suivant = v.curT->Suivant;
        delete v.curT;
        Arranger(this);
        PlacerTiroirs();
    } else {
        Arranger(this);
    }
    SauverBarre(this);
}

TBoutonAppli *TBarreDlg::AppliEnPoint(QPoint point) const {
    QList<QRect> rectangles;
    QList<TBoutonAppli *> records;
    PourChaque(Liste, [&](TBoutonAppli *r) {
        if (r->Bouton) {
            rectangles.append(r->Bouton->geometry());
            records.append(r);
        }
    });
    const qsizetype i = IndiceEnPoint(rectangles, point);
    return i < 0 ? nullptr : records[i];
}
