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

// A blank button and a filled one; drawer 0 holds two buttons, drawer 1 is reserved and empty.
const QByteArray Tableau = "[TRESSOLA]\nPosition=0\n"
                           "[MAIN]\n0LigCom=\n0NomSection=SECTION0\n1LigCom=/bin/plein\n"
                           "1NomSection=SECTION1\nNombre=2\n"
                           "[SECTION0]\n0LigCom=/bin/tiroir\n0Hint=Tiroir\n1LigCom=y\nNombre=2\n"
                           "[SECTION1]\nNombre=0\n";

TBarreDlg *demarrer(Banc &banc, const QByteArray &tableau = Tableau) {
    banc.ecrire(tableau);
    return banc.demarrer();
}

QString lu(const Banc &banc, const QString &section, const QString &cle) {
    return TIniFile(banc.tableau()).ReadString(section, cle, u"(absent)"_qs);
}

QStringList champs(const TBoutonAppli *r) {
    return {r->LigCom,
            r->WDir,
            r->Hint,
            r->Name,
            QString::number(r->Icon),
            QString::number(r->Lancement)};
}

QStringList champsLus(const Banc &banc, const QString &section, int i) {
    QStringList l;
    for (const char *cle : {"LigCom", "WDir", "Hint", "Name", "Icon", "Lancement"})
        l.append(lu(banc, section, QString::number(i) + QLatin1String(cle)));
    return l;
}

QStringList commandes(TBarreDlg *barre) {
    QStringList l;
    PourChaque(barre->Liste, [&](TBoutonAppli *r) { l.append(r->LigCom); });
    return l;
}

QStringList tiroirs(TBarreDlg *barre) {
    QStringList l;
    PourChaque(barre->ListeTiroirs, [&](TBoutonTiroir *t) { l.append(t->NomSection); });
    return l;
}

TBarreDlg *ouvrirTiroir0(TBarreDlg *barre) {
    barre->ListeTiroirs->Bouton->setFocus();
    barre->TiroirClick();
    return barre->ListeTiroirs->Barre;
}

} // namespace

class TestEdition : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void insererALaFin() {
        Banc banc;
        TBarreDlg *barre = demarrer(banc, "[TRESSOLA]\nPosition=0\n[MAIN]\n0LigCom=a\n"
                                          "0NomSection=SECTION0\nNombre=1\n[SECTION0]\nNombre=0\n");
        barre->InsererFinClick();
        QCOMPARE(banc.lire(), QByteArray("[TRESSOLA]\nPosition=0\n[SECTION0]\nNombre=0\n"
                                         "[SECTION1]\nNombre=0\n[MAIN]\n"
                                         "0LigCom=a\n0Lancement=0\n0WDir=\n0Name=\n0Icon=-1\n"
                                         "0Hint=\n0NomSection=SECTION0\n"
                                         "1LigCom=\n1Lancement=0\n1WDir=\n1Name=\n1Icon=-1\n"
                                         "1Hint=\n1NomSection=SECTION1\nNombre=2\n"));
        QCOMPARE(barre->size(), QSize(93, 65));
        QCOMPARE(barre->focusWidget(), barre->Liste->Suivant->Bouton);
    }

    void insererAvantLePremier() {
        Banc banc;
        TBarreDlg *barre = demarrer(banc);
        barre->Liste->Bouton->setFocus();
        barre->InsererClick();
        QCOMPARE(commandes(barre), (QStringList{QString(), QString(), u"/bin/plein"_qs}));
        QCOMPARE(tiroirs(barre), (QStringList{u"SECTION2"_qs, u"SECTION0"_qs, u"SECTION1"_qs}));
        QCOMPARE(barre->Liste->Bouton->pos(), QPoint(1, 20));
        QCOMPARE(lu(banc, u"MAIN"_qs, u"0NomSection"_qs), u"SECTION2"_qs);
        QCOMPARE(lu(banc, u"MAIN"_qs, u"2LigCom"_qs), u"/bin/plein"_qs);
    }

    // Each insertion reserves a drawer section past the names in use, including a slot's whose
    // section was erased: two slots never share one.
    void sectionsReservees_data() {
        QTest::addColumn<QByteArray>("tableau");
        QTest::addColumn<QStringList>("nouvelles");
        QTest::newRow("deux de suite") << Tableau << QStringList{u"SECTION2"_qs, u"SECTION3"_qs};
        QTest::newRow("section effacee") << QByteArray("[MAIN]\n0NomSection=SECTION0\nNombre=1\n")
                                         << QStringList{u"SECTION1"_qs};
    }
    void sectionsReservees() {
        QFETCH(QByteArray, tableau);
        QFETCH(QStringList, nouvelles);
        Banc banc;
        TBarreDlg *barre = demarrer(banc, tableau);
        const QStringList avant = tiroirs(barre);
        for (qsizetype i = 0; i < nouvelles.size(); ++i)
            barre->InsererFinClick();
        QCOMPARE(tiroirs(barre), avant + nouvelles);
        for (const QString &s : nouvelles)
            QCOMPARE(lu(banc, s, u"Nombre"_qs), u"0"_qs);
        QCOMPARE(lu(banc, u"MAIN"_qs, u"Nombre"_qs), QString::number(tiroirs(barre).size()));
    }

    // An empty drawer gets its first button; deleting it takes the drawer, which can be filled
    // again.
    void premierEtDernierBoutonDUnTiroir() {
        Banc banc;
        TBarreDlg *barre = demarrer(banc);
        TBoutonTiroir *t = barre->ListeTiroirs->Suivant;
        t->Bouton->setFocus();
        barre->InsererPremierClick();
        QCOMPARE(TIniFile(banc.tableau()).ReadSection(u"SECTION1"_qs),
                 (QStringList{u"Nombre"_qs, u"0LigCom"_qs, u"0Lancement"_qs, u"0WDir"_qs,
                              u"0Name"_qs, u"0IsBmp"_qs, u"0Icon"_qs, u"0Hint"_qs}));
        QCOMPARE(lu(banc, u"SECTION1"_qs, u"Nombre"_qs), u"1"_qs);
        QVERIFY(t->Barre && t->Barre->isVisible());
        QCOMPARE(commandes(t->Barre), QStringList{QString()});

        t->Barre->DetruireClick();
        QVERIFY(banc.messages.isEmpty());
        QVERIFY(!t->Barre);
        QVERIFY(t->Bouton->icon().isNull());
        QVERIFY(!TIniFile(banc.tableau()).SectionExists(u"SECTION1"_qs));
        t->Bouton->setFocus();
        barre->InsererPremierClick();
        QVERIFY(t->Barre);
        QCOMPARE(lu(banc, u"SECTION1"_qs, u"Nombre"_qs), u"1"_qs);
    }

    // Deleting a slot of the main bar takes its drawer: one that holds buttons only when the user
    // agrees, a reserved one without a question. Drawer 0 is open meanwhile.
    void detruireUnCreneau_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("question");
        QTest::addColumn<QStringList>("restent");
        const QStringList deux{QString(), u"/bin/plein"_qs};
        QTest::newRow("tiroir plein, annuler") << 0 << false << true << deux;
        QTest::newRow("tiroir plein, ok") << 0 << true << true << QStringList{u"/bin/plein"_qs};
        QTest::newRow("tiroir reserve") << 1 << false << false << QStringList{QString()};
    }
    void detruireUnCreneau() {
        QFETCH(int, indice);
        QFETCH(bool, ok);
        QFETCH(bool, question);
        QFETCH(QStringList, restent);
        Banc banc;
        TBarreDlg *barre = demarrer(banc);
        QPointer<TBarreDlg> ouvert = ouvrirTiroir0(barre);
        const QByteArray avant = banc.lire();
        const QString section = u"SECTION%1"_qs.arg(indice);
        banc.reponse = ok;
        (indice == 0 ? barre->Liste : barre->Liste->Suivant)->Bouton->setFocus();
        barre->DetruireClick();
        QCOMPARE(banc.messages, question ? QStringList{u"Vous voulez effacer tout le tiroir ?"_qs}
                                         : QStringList{});
        QCOMPARE(commandes(barre), restent);
        if (restent.size() == 2) {
            QCOMPARE(banc.lire(), avant);
            QVERIFY(ouvert && ouvert->isVisible());
            return;
        }
        QVERIFY(!tiroirs(barre).contains(section));
        QVERIFY(!TIniFile(banc.tableau()).SectionExists(section));
        QCOMPARE(lu(banc, u"MAIN"_qs, u"0NomSection"_qs), tiroirs(barre).first());
        QCOMPARE(lu(banc, u"MAIN"_qs, u"Nombre"_qs), u"1"_qs);
        QCOMPARE(barre->size(), QSize(46, 65));
        QCOMPARE(ouvert && ouvert->isVisible(), indice != 0);
    }

    void dernierBoutonDeLaBarrePrincipale() {
        Banc banc;
        TBarreDlg *barre = demarrer(banc, "[MAIN]\n0LigCom=a\nNombre=1\n");
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
        TBarreDlg *barre = demarrer(banc);
        TBoutonAppli *r = barre->Liste->Suivant;
        r->Bouton->setFocus();
        const QByteArray avant = banc.lire();
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<TConfigDlg *>(QApplication::activeModalWidget());
            QVERIFY(d);
            QCOMPARE(d->LigneCommande->text(), u"/bin/plein"_qs);
            d->EffacerBtnClick();
            d->LigneCommande->setText(u"\"/opt/Mon App/app\" -x"_qs);
            d->Infobulle->setText(u"Mon app"_qs);
            d->Numero->setValue(3);
            (ok ? d->OKBtn : d->CancelBtn)->click();
        });
        barre->ConfigurerAppliClick();
        if (!ok) {
            QCOMPARE(r->LigCom, u"/bin/plein"_qs);
            QCOMPARE(banc.lire(), avant);
            return;
        }
        QCOMPARE(r->Icon, 3);
        QCOMPARE(r->Bouton->toolTip(), u"Mon app"_qs);
        QCOMPARE(lu(banc, u"MAIN"_qs, u"1LigCom"_qs), u"\"/opt/Mon App/app\" -x"_qs);
        QCOMPARE(lu(banc, u"MAIN"_qs, u"1Hint"_qs), u"Mon app"_qs);
    }

    void tooltipDUneBande() {
        Banc banc;
        TBarreDlg *barre = demarrer(banc);
        TBoutonTiroir *t = barre->ListeTiroirs->Suivant;
        t->Bouton->setFocus();
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<THintDlg *>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->Texte->setText(u"Jeux"_qs);
            d->accept();
        });
        barre->ConfigHintClick();
        QCOMPARE(t->Bouton->toolTip(), u"Jeux"_qs);
        QCOMPARE(lu(banc, u"MAIN"_qs, u"1THint"_qs), u"Jeux"_qs);
        QCOMPARE(lu(banc, u"MAIN"_qs, u"0THint"_qs), u"(absent)"_qs);
    }

    // A file dropped on a blank button, anywhere on it up to its edges, fills it.
    void remplirUnBoutonVide_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("programme, coin haut gauche")
            << u"/usr/bin/gedit"_qs << QPoint(1, 20)
            << QStringList{u"\"/usr/bin/gedit\""_qs, u"/usr/bin/"_qs, u"Gedit"_qs,
                           u"/usr/bin/gedit"_qs,     u"0"_qs,         u"0"_qs};
        const QString long_ = u"/tmp/"_qs + QString(300, u'a') + u".sh"_qs;
        QTest::newRow("nom de 300 caracteres, coin bas droit")
            << long_ << QPoint(45, 64) << QStringList{u'"' + long_ + u'"',
                                                      u"/tmp/"_qs,
                                                      u"A"_qs + QString(254, u'a'),
                                                      long_,
                                                      u"0"_qs,
                                                      u"0"_qs};
    }
    void remplirUnBoutonVide() {
        QFETCH(QString, fichier);
        QFETCH(QPoint, point);
        QFETCH(QStringList, attendu);
        Banc banc;
        TBarreDlg *barre = demarrer(banc);
        barre->WMDropFiles({fichier}, point);
        QCOMPARE(champs(barre->Liste), attendu);
        // A value wholly between quotes reads back without them, and the launch quotes it again.
        attendu[0] = fichier;
        QCOMPARE(champsLus(banc, u"MAIN"_qs, 0), attendu);
        QCOMPARE(lu(banc, u"MAIN"_qs, u"0NomSection"_qs), u"SECTION0"_qs);
        QVERIFY(banc.messages.isEmpty());
    }

    // Only one file on a blank button takes; a name that would break the board file or the
    // command line is refused with a message.
    void depotsRefuses_data() {
        QTest::addColumn<QStringList>("fichiers");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("message");
        const QStringList a{u"/bin/a"_qs};
        QTest::newRow("deux fichiers")
            << QStringList{u"/bin/a"_qs, u"/bin/b"_qs} << QPoint(10, 30) << false;
        QTest::newRow("aucun fichier") << QStringList{} << QPoint(10, 30) << false;
        QTest::newRow("entre deux boutons") << a << QPoint(46, 30) << false;
        QTest::newRow("sur une bande") << a << QPoint(10, 5) << false;
        QTest::newRow("dans la marge") << a << QPoint(0, 30) << false;
        QTest::newRow("saut de ligne")
            << QStringList{u"/tmp/a\n[MAIN]"_qs} << QPoint(10, 30) << true;
        QTest::newRow("retour chariot") << QStringList{u"/tmp/a\rb"_qs} << QPoint(10, 30) << true;
        QTest::newRow("guillemet") << QStringList{u"/tmp/a\"b"_qs} << QPoint(10, 30) << true;
    }
    void depotsRefuses() {
        QFETCH(QStringList, fichiers);
        QFETCH(QPoint, point);
        QFETCH(bool, message);
        Banc banc;
        TBarreDlg *barre = demarrer(banc);
        const QByteArray avant = banc.lire();
        barre->WMDropFiles(fichiers, point);
        QCOMPARE(banc.lire(), avant);
        QVERIFY(barre->Liste->LigCom.isEmpty());
        QCOMPARE(banc.messages.size(), message ? 1 : 0);
    }

    void depotDUneEntreeDeBureau() {
        Banc banc;
        const QString entree = banc.rep.filePath(u"editeur.desktop"_qs);
        QFile f(entree);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Desktop Entry]\nType=Application\nName=Éditeur de textes\nName[en]=Text "
                "editor\nExec=\"/opt/Mon Editeur/edit\" --nouvelle-fenetre %U\nPath=/home/moi\n"
                "Icon=accessories-text-editor\n[Desktop Action Neuf]\nExec=autre\n");
        f.close();
        TBarreDlg *barre = demarrer(banc);
        barre->WMDropFiles({entree}, QPoint(10, 30));
        QCOMPARE(champs(barre->Liste),
                 (QStringList{u"\"/opt/Mon Editeur/edit\" --nouvelle-fenetre"_qs, u"/home/moi/"_qs,
                              u"Éditeur de textes"_qs, entree, u"0"_qs, u"0"_qs}));
    }

    // Dragging a button of a drawer onto one of the main bar copies it there; onto a filled one
    // only when the user agrees. The drawer keeps its own.
    void copieParGlisser_data() {
        QTest::addColumn<int>("cible");
        QTest::addColumn<bool>("reponse");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("copie");
        const QStringList question{u"Ecraser le bouton de /bin/plein ?"_qs};
        QTest::newRow("vers un bouton vide") << 0 << false << QStringList{} << true;
        QTest::newRow("vers un bouton rempli, non") << 1 << false << question << false;
        QTest::newRow("vers un bouton rempli, oui") << 1 << true << question << true;
    }
    void copieParGlisser() {
        QFETCH(int, cible);
        QFETCH(bool, reponse);
        QFETCH(QStringList, questions);
        QFETCH(bool, copie);
        Banc banc;
        TBarreDlg *barre = demarrer(banc);
        TBarreDlg *tiroir = ouvrirTiroir0(barre);
        G.BarreSource = tiroir;
        const QStringList tiroirAvant = champsLus(banc, u"SECTION0"_qs, 0);
        banc.reponse = reponse;
        TBoutonAppli *rt = cible == 0 ? barre->Liste : barre->Liste->Suivant;
        const QString avant = rt->LigCom;
        barre->MyDragDrop(rt->Bouton, tiroir->Liste->Bouton);
        QCOMPARE(banc.messages, questions);
        QCOMPARE(rt->LigCom, copie ? u"/bin/tiroir"_qs : avant);
        QCOMPARE(rt->Hint, copie ? u"Tiroir"_qs : QString());
        QCOMPARE(champsLus(banc, u"MAIN"_qs, cible).first(), rt->LigCom);
        QCOMPARE(champsLus(banc, u"SECTION0"_qs, 0), tiroirAvant);
    }
};

QTEST_MAIN(TestEdition)
#include "tst_edition.moc"
