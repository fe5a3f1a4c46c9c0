#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/TIniFile.h"
#include "support/Banc.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace {

const QByteArray Tableau = "[TRESSOLA]\nPosition=2\nFermetureAuto=0\n"
                           "[MAIN]\n0NomSection=SECTION0\n1NomSection=SECTION1\nNombre=2\n"
                           "[SECTION0]\n0LigCom=a\nNombre=1\n[SECTION1]\nNombre=0\n";

// Caption, shortcut and check mark of every item of a menu, submenus inline.
QStringList decrire(const QMenu *menu) {
    QStringList lignes;
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator()) {
            lignes.append(u"-"_qs);
        } else if (a->menu()) {
            lignes.append(a->text());
            for (const QString &l : decrire(a->menu()))
                lignes.append(u"  "_qs + l);
        } else {
            lignes.append(a->text() + u" | "_qs + a->shortcut().toString() +
                          (a->isChecked() ? u" | coché"_qs : QString()) +
                          (a->isEnabled() ? QString() : u" | inactif"_qs));
        }
    }
    return lignes;
}

void taper(QWidget *controle, QKeyCombination touches) {
    controle->setFocus();
    QTest::keyClick(controle, touches.key(), touches.keyboardModifiers());
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuDeLaBarre() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        barre->PopupMenuPopup();
        const QStringList attendu{
            u"&Quitter | Alt+F4"_qs,
            u"-"_qs,
            u"&Aide | F1"_qs,
            u"A propos de &Tressola | "_qs,
            u"-"_qs,
            u"&Insérer (à la fin) | Ctrl+F"_qs,
            u"-"_qs,
            u"&Toujours visible | Ctrl+T"_qs,
            u"Tiroirs &automatiques | Ctrl+A"_qs,
            u"-"_qs,
            u"&Mode déplacer | Ctrl+M"_qs,
            u"Arrangement :"_qs,
            u"  &Horizontal | Ctrl+H | coché"_qs,
            u"  &Vertical | Ctrl+V"_qs,
            u"Position au lancement :"_qs,
            u"  &Quelconque (ici) | Ctrl+Q"_qs,
            u"  En haut à gauche | Ctrl+1"_qs,
            u"  En bas à gauche | Ctrl+2"_qs,
            u"  En bas au milieu | Ctrl+3"_qs,
            u"  En bas à droite | Ctrl+4 | coché"_qs,
            u"&Revenir à position sauvée | Ctrl+R"_qs,
        };
        QCOMPARE(decrire(barre->PopupMenu), attendu);
        QCOMPARE(
            decrire(barre->PopupMenuButt),
            (QStringList{u"&Lancer | Ctrl+Return"_qs, u"&Insérer (avant) | Ctrl+A"_qs,
                         u"Atteindre l'&original | Ctrl+O"_qs,
                         u"&Configurer l'application | Ctrl+C"_qs, u"&Détruire | Shift+Del"_qs}));
    }

    // A drawer bar's menu shows the same settings; only its first item differs, and it cannot
    // enter move mode.
    void menuDUnTiroir() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        barre->Fermetureautomatiquedestiroirs1Click();
        barre->StayOnTopClick();
        TBoutonTiroir *t = barre->ListeTiroirs;
        t->Bouton->setFocus();
        barre->TiroirClick();
        TBarreDlg *tiroir = t->Barre;
        tiroir->PopupMenuPopup();
        const QStringList vu = decrire(tiroir->PopupMenu);
        QCOMPARE(vu.first(), u"&Fermer cette fenêtre | Alt+F4"_qs);
        QVERIFY(vu.contains(u"Tiroirs &automatiques | Ctrl+A | coché"_qs));
        QVERIFY(vu.contains(u"&Toujours visible | Ctrl+T | coché"_qs));
        QVERIFY(vu.contains(u"&Mode déplacer | Ctrl+M | inactif"_qs));
        QVERIFY(vu.contains(u"  En bas à droite | Ctrl+4 | coché"_qs));
        // Choosing an orientation from a drawer's menu acts on the main bar.
        tiroir->Vertical->trigger();
        QCOMPARE(G.Orientation, quint8(1));
        QCOMPARE(barre->size(), QSize(65, 93));
    }

    void positionInconnueNeCocheRien() {
        Banc banc;
        banc.ecrire("[TRESSOLA]\nPosition=9\n");
        TBarreDlg *barre = banc.demarrer();
        barre->PopupMenuPopup();
        for (QAction *a : barre->Posi0->actions())
            QVERIFY(!a->isChecked());
    }

    // The same keys mean different things by focus.
    void ctrlASelonLeFocus() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        int insertions = 0;
        connect(barre->Inserer, &QAction::triggered, this, [&] { ++insertions; });
        taper(barre->Liste->Bouton, Qt::CTRL | Qt::Key_A);
        QCOMPARE(insertions, 1);
        QCOMPARE(G.FermetureAuto, false);
        taper(barre->Bidon, Qt::CTRL | Qt::Key_A);
        QCOMPARE(G.FermetureAuto, true);
        taper(barre->ListeTiroirs->Bouton, Qt::CTRL | Qt::Key_A);
        QCOMPARE(G.FermetureAuto, false);
        QCOMPARE(insertions, 1);
        barre->PopupMenuPopup();
        QVERIFY(!barre->Fermetureautomatiquedestiroirs1->isChecked());
    }

    // The drawer menu's shortcuts obey the state of the focused strip's drawer, whatever the
    // menu's last opening showed.
    void raccourcisDuMenuDesTiroirs() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *plein = barre->ListeTiroirs;
        TBoutonTiroir *vide = plein->Suivant;
        int premiers = 0;
        connect(barre->InsererPremier, &QAction::triggered, this, [&] { ++premiers; });
        barre->InsererPremier->setEnabled(true); // as an opening on the empty strip left it
        taper(plein->Bouton, Qt::CTRL | Qt::Key_P);
        QCOMPARE(premiers, 0);
        taper(vide->Bouton, Qt::CTRL | Qt::Key_Return);
        QVERIFY(!vide->Barre);
        taper(vide->Bouton, Qt::CTRL | Qt::Key_P);
        QCOMPARE(premiers, 1);
        taper(plein->Bouton, Qt::CTRL | Qt::Key_Return);
        QVERIFY(plein->Barre && plein->Barre->isVisible());
        taper(plein->Bouton, Qt::Key_Space);
        QCOMPARE(plein->Barre->Tag, 1);
    }

    void f10OuvreLeMenuDeLaBarre() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        barre->move(200, 300);
        taper(barre->Liste->Bouton, Qt::Key_F10);
        QTRY_VERIFY(barre->PopupMenu->isVisible());
        QCOMPARE(barre->PopupMenu->pos(), QPoint(210, 310));
        QCOMPARE(barre->Fermer->text(), u"&Quitter"_qs);
        barre->PopupMenu->hide();
    }

    void modeDeplacer() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        barre->Modedeplacer->trigger();
        QVERIFY(barre->Modedeplacer->isChecked());
        taper(barre->Bidon, Qt::CTRL | Qt::Key_M);
        QVERIFY(!barre->Modedeplacer->isChecked());
        QVERIFY(!G.ModeDeplacerActif);
    }

    void deplacerLaBarreParSonFond() {
        Banc banc;
        banc.ecrire(Tableau);
        TBarreDlg *barre = banc.demarrer();
        barre->move(100, 400);
        TBoutonTiroir *t = barre->ListeTiroirs;
        t->Bouton->setFocus();
        barre->TiroirClick();
        const QPoint tiroirAvant = t->Barre->pos();
        const QPoint fond(46, 40); // between the two buttons
        QTest::mousePress(barre, Qt::LeftButton, {}, fond);
        QMouseEvent glisse(QEvent::MouseMove, QPointF(fond + QPoint(7, -5)),
                           QPointF(barre->mapToGlobal(fond + QPoint(7, -5))), Qt::NoButton,
                           Qt::LeftButton, {});
        QApplication::sendEvent(barre, &glisse);
        QTest::mouseRelease(barre, Qt::LeftButton, {}, fond + QPoint(7, -5));
        QCOMPARE(barre->pos(), QPoint(107, 395));
        QTRY_COMPARE(t->Barre->pos(), tiroirAvant + QPoint(7, -5));
        QVERIFY(!G.DeplacementEnCours);
        // Moving by the mouse is never written.
        QCOMPARE(TIniFile(banc.tableau()).ReadInteger(u"TRESSOLA"_qs, u"X"_qs, -1), -1);
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
