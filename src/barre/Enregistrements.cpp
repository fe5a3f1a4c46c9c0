#include "barre/Enregistrements.h"

#include "barre/Disposition.h"
#include "barre/Fleches.h"
#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "barre/Tabulation.h"
#include "barre/Tiroirs.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Tableau.h"
#include "dialogs/Messages.h"
#include "logic/Dimensions.h"
#include "platform/Programme.h"
#include "platform/icons.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QStyle>

namespace {

QString SectionDe(const TBarreDlg *barre) {
    return barre->EstPrincipale ? QStringLiteral("MAIN") : barre->Tiroir->NomSection;
}

// A slot naming MAIN, TRESSOLA or the section of an earlier slot would open a drawer that writes
// over another bar or the settings: such a slot gets a section of its own, and the main bar is
// written with it.
void DonnerSectionsPropres(TBarreDlg *barre) {
    QStringList tenus;
    QList<TBoutonTiroir *> sansSection;
    PourChaque(barre->ListeTiroirs, [&](TBoutonTiroir *t) {
        const QString &nom = t->NomSection;
        if (nom.isEmpty())
            return;
        if (nom.compare(u"MAIN", Qt::CaseInsensitive) == 0 ||
            nom.compare(u"TRESSOLA", Qt::CaseInsensitive) == 0 ||
            tenus.contains(nom, Qt::CaseInsensitive))
            sansSection.append(t);
        else
            tenus.append(nom);
    });
    if (sansSection.isEmpty())
        return;
    // Should a reservation fail, the slots still waiting are left with no section rather than
    // another bar's.
    for (TBoutonTiroir *t : sansSection)
        t->NomSection.clear();
    for (TBoutonTiroir *t : sansSection) {
        t->NomSection = ReserverSection(tenus);
        tenus.append(t->NomSection);
    }
    SauverBarre(barre);
}

} // namespace

void CreerBoutonTiroir(TBarreDlg *barre, TBoutonTiroir *t) {
    t->Bouton = new TBitBtn(barre);
    if (NombreTiroir(t->NomSection) > 0)
        MarquerTiroir(t, EtatTiroir::Ferme);
    t->Bouton->setToolTip(t->THint);
    t->Barre = nullptr;
    QObject::connect(t->Bouton, &QPushButton::clicked, barre,
                     [barre] { Messages::Agir([barre] { barre->TiroirClick(); }); });
    t->Bouton->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(t->Bouton, &QWidget::customContextMenuRequested, barre, [barre] {
        Messages::Agir([barre] { barre->PopupMenuTiroirsPopup(); });
        barre->PopupMenuTiroirs->popup(QCursor::pos());
    });
    t->Bouton->installEventFilter(barre);
    t->Bouton->show();
}

void ParquerFocus() {
    if (G.BarreDlg && G.BarreDlg->Bidon)
        G.BarreDlg->Bidon->setFocus();
}

void ChargerBarre(TBarreDlg *barre) {
    barre->Liste = nullptr;
    const ListesBarre listes = LireBoutons(SectionDe(barre), barre->EstPrincipale);
    barre->ResteSection = listes.Reste;
    if (listes.Liste || !barre->EstPrincipale) {
        barre->Liste = listes.Liste;
        barre->ListeTiroirs = listes.ListeTiroirs;
        if (barre->EstPrincipale)
            DonnerSectionsPropres(barre);
        return;
    }
    // The first start: one blank slot whose icon source is the program itself. Both records
    // exist before the drawer section is reserved, so that a failing write still leaves a slot
    // whole.
    CreneauParDefaut(barre);
    barre->ListeTiroirs->NomSection = NouvelleSection();
}

void CreneauParDefaut(TBarreDlg *barre) {
    auto *r = new TBoutonAppli;
    r->Name = platform::cheminProgramme();
    r->Suivant = r;
    auto *t = new TBoutonTiroir;
    t->Suivant = t;
    barre->Liste = r;
    barre->ListeTiroirs = t;
}

void CreerBoutons(TBarreDlg *barre) {
    TBoutonTiroir *t = barre->ListeTiroirs;
    PourChaque(barre->Liste, [&](TBoutonAppli *r) {
        CreerBouton(barre, r);
        if (barre->EstPrincipale && t) {
            CreerBoutonTiroir(barre, t);
            t = t->Suivant;
        }
    });
}

void CreerBouton(TBarreDlg *barre, TBoutonAppli *r) {
    r->Bouton = new TBitBtn(barre);
    r->Bouton->setText({});
    r->Bouton->setToolTip(r->Hint);
    r->Bouton->installEventFilter(barre);
    DessinerIcone(r);
    r->Bouton->show();
}

void DessinerIcone(TBoutonAppli *r) {
    r->Bouton->resize(TailleBouton, TailleBouton);
    r->Bouton->setIconSize(QSize(TailleIcone, TailleIcone));
    r->Bouton->setIcon(QIcon());
    if (r->Icon < 0)
        return;
    // On a screen of several device pixels per pixel the glyph keeps its 32 x 32 pixels but is
    // drawn from the icon's picture for that many device pixels, so that it stays sharp.
    const qreal ratio = r->Bouton->devicePixelRatioF();
    const int cote = qRound(TailleIcone * ratio);
    QImage icone = r->Icon < iconCount(r->Name) ? iconImage(r->Name, r->Icon, cote) : QImage();
    if (icone.isNull()) {
        icone = QApplication::style()
                    ->standardIcon(QStyle::SP_MessageBoxQuestion)
                    .pixmap(TailleIcone, TailleIcone)
                    .toImage();
        if (icone.isNull()) {
            Messages::Afficher(
                QStringLiteral("Internal error #408 - idi_Question icon not found."));
            return;
        }
    }
    QPixmap glyphe(cote, cote);
    glyphe.setDevicePixelRatio(ratio);
    glyphe.fill(Qt::transparent);
    QPainter peintre;
    if (!peintre.begin(&glyphe)) {
        Messages::Afficher(QStringLiteral("Internal error #413 - DrawIconEx - code 0"));
        Messages::TerminerProgramme(1);
    }
    peintre.drawImage(QRect(0, 0, TailleIcone, TailleIcone), icone);
    peintre.end();
    r->Bouton->setIcon(QIcon(glyphe));
}

TBoutonAppli *AppliDuControle(const TBarreDlg *barre, const QWidget *controle) {
    if (!qobject_cast<const TBitBtn *>(controle))
        return nullptr;
    TBoutonAppli *trouve = nullptr;
    PourChaque(barre->Liste, [&](TBoutonAppli *r) {
        if (!trouve && r->Bouton == controle)
            trouve = r;
    });
    return trouve;
}

TBoutonTiroir *TiroirDuControle(const TBarreDlg *barre, const QWidget *controle) {
    if (!qobject_cast<const TBitBtn *>(controle))
        return nullptr;
    TBoutonTiroir *trouve = nullptr;
    PourChaque(barre->ListeTiroirs, [&](TBoutonTiroir *t) {
        if (!trouve && t->Bouton == controle)
            trouve = t;
    });
    return trouve;
}

void LibererBoutons(TBarreDlg *barre) {
    TBoutonAppli *r = barre->Liste;
    TBoutonTiroir *t = barre->ListeTiroirs;
    // The lists are emptied whatever happens on the way, so that nothing is freed twice.
    barre->Liste = nullptr;
    barre->ListeTiroirs = nullptr;
    if (!r)
        return;
    for (int n = Longueur(r); n > 0; --n) {
        TBoutonAppli *suivant = r->Suivant;
        if (t) {
            TBoutonTiroir *tSuivant = t->Suivant;
            ParquerFocus();
            delete t->Bouton;
            t->Bouton = nullptr;
            if (t->Barre)
                t->Barre->close(); // it saves itself and lets go of the record
            delete t;
            t = tSuivant;
        }
        ParquerFocus();
        delete r->Bouton;
        delete r;
        r = suivant;
    }
}

void SauverBarre(TBarreDlg *barre) {
    EcrireBoutons(SectionDe(barre), barre->Liste,
                  barre->EstPrincipale ? barre->ListeTiroirs : nullptr, barre->ResteSection);
    // Each button in turn goes first, in list order: the last record ends up first.
    QList<QWidget *> enTete;
    PourChaque(barre->Liste, [&](TBoutonAppli *r) {
        if (r->Bouton)
            enTete.prepend(r->Bouton);
    });
    MettreEnTeteTabulation(enTete);
}

QString NouvelleSection() {
    SauverBarre(G.BarreDlg);
    QStringList tenus;
    PourChaque(G.BarreDlg->ListeTiroirs, [&](TBoutonTiroir *t) {
        if (!t->NomSection.isEmpty())
            tenus.append(t->NomSection);
    });
    return ReserverSection(tenus);
}

void RebatirBouton(TBarreDlg *barre, TBoutonAppli *r) {
    ParquerFocus();
    delete r->Bouton;
    r->Bouton = nullptr;
    CreerBouton(barre, r);
    Arranger(barre);
    SauverBarre(barre);
}
