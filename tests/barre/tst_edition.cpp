#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/TIniFile.h"
#include "support/Banc.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray Deux = "[TRESSOLA]\nPosition=0\n"
                        "[MAIN]\n0LigCom=a\n0NomSection=SECTION0\n"
                        "1LigCom=b\n1NomSection=SECTION1\nNombre=2\n"
                        "[SECTION0]\n0LigCom=x\n1LigCom=y\nNombre=2\n"
                        "[SECTION1]\nNombre=0\n";

QString section(const Banc &banc, const QString &nom, const QString &cle) {
    return TIniFile(banc.tableau()).ReadString(nom, cle, u"(absent)"_qs);
}

QStringList commandes(TBarreDlg *barre) {
    QStringList l;
    PourChaque(barre->Liste, [&](TBoutonAppli *r) { l.append(r->LigCom); });
    return l;
}

TBoutonTiroir *tiroir(TBarreDlg *barre, int i) {
    TBoutonTiroir *t = barre->ListeTiroirs;
    while (i-- > 0)
        t = t->Suivant;
    return t;
}

} // namespace

class TestEdition : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void insererALaFin() {
        Banc banc;
        banc.ecrire("[TRESSOLA]\nPosition=0\n[MAIN]\n0LigCom=a\n0NomSection=SECTION0\nNombre=1\n"
                    "[SECTION0]\nNombre=0\n");
        TBarreDlg *barre = banc.demarrer();
        barre->InsererFinClick();
        QCOMPARE(banc.lire(), QByteArray("[TRESSOLA]\nPosition=0\n[SECTION0]\nNombre=0\n"
                                         "[SECTION1]\nNombre=0\n[MAIN]\n"
                                         "0LigCom=a\n0Lancement=0\n0WDir=\n0Name=\n0Icon=-1\n"
                                         "0Hint=\n0NomSection=SECTION0\n"
                                         "1LigCom=\n1Lancement=0\n1WDir=\n1Name=\n1Icon=-1\n"
                                         "1Hint=\n1NomSection=SECTION1\nNombre=2\n"));
        QCOMPARE(commandes(barre), (QStringList{u"a"_qs, QString()}));
        QCOMPARE(barre->size(), QSize(93, 65));
        QCOMPARE(barre->focusWidget(), barre->Liste->Suivant->Bouton);
    }

    void insererAvantLePremier() {
        Banc banc;
        banc.ecrire(Deux);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *ancienPremier = barre->ListeTiroirs;
        barre->Liste->Bouton->setFocus();
        barre->InsererClick();
        QCOMPARE(commandes(barre), (QStringList{QString(), u"a"_qs, u"b"_qs}));
        QCOMPARE(barre->ListeTiroirs->Suivant, ancienPremier);
        QCOMPARE(barre->ListeTiroirs->NomSection, u"SECTION2"_qs);
        QCOMPARE(barre->Liste->Bouton->pos(), QPoint(1, 20));
        QCOMPARE(section(banc, u"MAIN"_qs, u"0LigCom"_qs), QString());
        QCOMPARE(section(banc, u"MAIN"_qs, u"0NomSection"_qs), u"SECTION2"_qs);
        QCOMPARE(section(banc, u"MAIN"_qs, u"1LigCom"_qs), u"a"_qs);
        QCOMPARE(section(banc, u"SECTION2"_qs, u"Nombre"_qs), u"0"_qs);
    }

    // Each insertion reserves one more drawer section, past the names already in use.
    void deuxInsertionsReserventDeuxSections() {
        Banc banc;
        banc.ecrire(Deux);
        TBarreDlg *barre = banc.demarrer();
        tiroir(barre, 1)->Bouton->setFocus();
        barre->InsererFinClick();
        barre->InsererFinClick();
        QCOMPARE(tiroir(barre, 2)->NomSection, u"SECTION2"_qs);
        QCOMPARE(tiroir(barre, 3)->NomSection, u"SECTION3"_qs);
        QCOMPARE(section(banc, u"SECTION3"_qs, u"Nombre"_qs), u"0"_qs);
        QCOMPARE(section(banc, u"MAIN"_qs, u"Nombre"_qs), u"4"_qs);
    }

    // A slot whose drawer lost its section keeps its name: a new slot never shares it.
    void sectionEffaceeNonRedonnee() {
        Banc banc;
        banc.ecrire("[MAIN]\n0NomSection=SECTION0\nNombre=1\n");
        TBarreDlg *barre = banc.demarrer();
        barre->InsererFinClick();
        QCOMPARE(tiroir(barre, 1)->NomSection, u"SECTION1"_qs);
    }

    void premierBoutonDUnTiroir() {
        Banc banc;
        banc.ecrire(Deux);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = tiroir(barre, 1);
        t->Bouton->setFocus();
        barre->InsererPremierClick();
        const TIniFile ini(banc.tableau());
        QCOMPARE(ini.ReadSection(u"SECTION1"_qs),
                 (QStringList{u"Nombre"_qs, u"0LigCom"_qs, u"0Lancement"_qs, u"0WDir"_qs,
                              u"0Name"_qs, u"0IsBmp"_qs, u"0Icon"_qs, u"0Hint"_qs}));
        QCOMPARE(ini.ReadInteger(u"SECTION1"_qs, u"Nombre"_qs, -1), 1);
        QVERIFY(t->Barre && t->Barre->isVisible());
        QCOMPARE(t->Barre->Tag, 0);
        QCOMPARE(Longueur(t->Barre->Liste), 1);
        QVERIFY(t->Barre->Liste->LigCom.isEmpty());
    }

    void detruireLeDernierBoutonDUnTiroir() {
        Banc banc;
        banc.ecrire(Deux);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = tiroir(barre, 1);
        t->Bouton->setFocus();
        barre->InsererPremierClick();
        TBarreDlg *ouvert = t->Barre;
        ouvert->DetruireClick();
        QVERIFY(banc.messages.isEmpty());
        QVERIFY(!t->Barre);
        QVERIFY(t->Bouton->icon().isNull());
        QVERIFY(!TIniFile(banc.tableau()).SectionExists(u"SECTION1"_qs));
        // The drawer can be filled again.
        t->Bouton->setFocus();
        barre->InsererPremierClick();
        QVERIFY(t->Barre);
        QCOMPARE(section(banc, u"SECTION1"_qs, u"Nombre"_qs), u"1"_qs);
    }

    void detruireDansUnTiroir() {
        Banc banc;
        banc.ecrire(Deux);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = tiroir(barre, 0);
        t->Bouton->setFocus();
        barre->TiroirClick();
        TBarreDlg *ouvert = t->Barre;
        ouvert->Liste->Bouton->setFocus();
        ouvert->DetruireClick();
        QVERIFY(banc.messages.isEmpty());
        QCOMPARE(commandes(ouvert), QStringList{u"y"_qs});
        QCOMPARE(ouvert->size(), QSize(46, 46));
        QCOMPARE(section(banc, u"SECTION0"_qs, u"0LigCom"_qs), u"y"_qs);
        QCOMPARE(section(banc, u"SECTION0"_qs, u"Nombre"_qs), u"1"_qs);
    }

    void detruireUnCreneauAuTiroirPlein_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("annuler") << false;
        QTest::newRow("ok") << true;
    }
    void detruireUnCreneauAuTiroirPlein() {
        QFETCH(bool, ok);
        Banc banc;
        banc.ecrire(Deux);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = tiroir(barre, 0);
        t->Bouton->setFocus();
        barre->TiroirClick();
        QPointer<TBarreDlg> ouvert = t->Barre;
        const QByteArray avant = banc.lire();
        banc.reponse = ok;
        barre->Liste->Bouton->setFocus();
        barre->DetruireClick();
        QCOMPARE(banc.messages, QStringList{u"Vous voulez effacer tout le tiroir ?"_qs});
        if (!ok) {
            QCOMPARE(banc.lire(), avant);
            QCOMPARE(commandes(barre), (QStringList{u"a"_qs, u"b"_qs}));
            QVERIFY(ouvert && ouvert->isVisible());
            return;
        }
        QCOMPARE(commandes(barre), QStringList{u"b"_qs});
        QCOMPARE(Longueur(barre->ListeTiroirs), 1);
        QCOMPARE(barre->ListeTiroirs->NomSection, u"SECTION1"_qs);
        QVERIFY(ouvert.isNull() || !ouvert->isVisible());
        const TIniFile ini(banc.tableau());
        QVERIFY(!ini.SectionExists(u"SECTION0"_qs));
        QCOMPARE(ini.ReadString(u"MAIN"_qs, u"0NomSection"_qs, {}), u"SECTION1"_qs);
        QCOMPARE(ini.ReadInteger(u"MAIN"_qs, u"Nombre"_qs, -1), 1);
        QCOMPARE(barre->size(), QSize(46, 65));
    }

    void detruireUnCreneauAuTiroirReserve() {
        Banc banc;
        banc.ecrire(Deux);
        TBarreDlg *barre = banc.demarrer();
        barre->Liste->Suivant->Bouton->setFocus();
        barre->DetruireClick();
        QVERIFY(banc.messages.isEmpty());
        QCOMPARE(commandes(barre), QStringList{u"a"_qs});
        QVERIFY(!TIniFile(banc.tableau()).SectionExists(u"SECTION1"_qs));
    }

    void dernierBoutonDeLaBarrePrincipale() {
        Banc banc;
        banc.ecrire("[MAIN]\n0LigCom=a\nNombre=1\n");
        TBarreDlg *barre = banc.demarrer();
        const QByteArray avant = banc.lire();
        barre->Liste->Bouton->setFocus();
        barre->DetruireClick();
        QCOMPARE(banc.messages,
                 QStringList{u"C'est le dernier bouton, on ne peut pas le détruire!"_qs});
        QCOMPARE(banc.lire(), avant);
    }

    // The configuration dialog edits the focused button; only OK changes it and writes.
    void configurer_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("ok") << true;
        QTest::newRow("annuler") << false;
    }
    void configurer() {
        QFETCH(bool, ok);
        Banc banc;
        banc.ecrire(Deux);
        TBarreDlg *barre = banc.demarrer();
        TBoutonAppli *r = barre->Liste->Suivant;
        r->Bouton->setFocus();
        const QByteArray avant = banc.lire();
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<TConfigDlg *>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->LigneCommande->text(), u"b"_qs);
            d->EffacerBtnClick();
            d->LigneCommande->setText(u"\"/opt/Mon App/app\" -x"_qs);
            d->Infobulle->setText(u"Mon app"_qs);
            d->Numero->setValue(3);
            (ok ? d->OKBtn : d->CancelBtn)->click();
        });
        barre->ConfigurerAppliClick();
        if (!ok) {
            QCOMPARE(r->LigCom, u"b"_qs);
            QCOMPARE(banc.lire(), avant);
            return;
        }
        QCOMPARE(r->LigCom, u"\"/opt/Mon App/app\" -x"_qs);
        QCOMPARE(r->Icon, 3);
        QCOMPARE(r->Bouton->toolTip(), u"Mon app"_qs);
        QCOMPARE(section(banc, u"MAIN"_qs, u"1LigCom"_qs), u"\"/opt/Mon App/app\" -x"_qs);
        QCOMPARE(section(banc, u"MAIN"_qs, u"1Hint"_qs), u"Mon app"_qs);
    }

    void tooltipDUneBande() {
        Banc banc;
        banc.ecrire(Deux);
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = tiroir(barre, 1);
        t->Bouton->setFocus();
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<THintDlg *>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->Texte->setText(u"Jeux"_qs);
            d->accept();
        });
        barre->ConfigHintClick();
        QCOMPARE(t->Bouton->toolTip(), u"Jeux"_qs);
        QCOMPARE(section(banc, u"MAIN"_qs, u"1THint"_qs), u"Jeux"_qs);
        QCOMPARE(section(banc, u"MAIN"_qs, u"0THint"_qs), u"(absent)"_qs);
    }

    void appliEnPoint_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("indice");
        QTest::newRow("coin haut gauche") << QPoint(1, 20) << 0;
        QTest::newRow("colonne juste a droite") << QPoint(45, 40) << 0;
        QTest::newRow("entre deux boutons") << QPoint(46, 40) << -1;
        QTest::newRow("second") << QPoint(48, 64) << 1;
        QTest::newRow("bande") << QPoint(10, 5) << -1;
        QTest::newRow("marge") << QPoint(0, 30) << -1;
    }
    void appliEnPoint() {
        QFETCH(QPoint, point);
        QFETCH(int, indice);
        Banc banc;
        banc.ecrire(Deux);
        TBarreDlg *barre = banc.demarrer();
        TBoutonAppli *r = barre->AppliEnPoint(point);
        QCOMPARE(r, indice < 0 ? nullptr : indice == 0 ? barre->Liste : barre->Liste->Suivant);
    }
};

QTEST_MAIN(TestEdition)
#include "tst_edition.moc"
