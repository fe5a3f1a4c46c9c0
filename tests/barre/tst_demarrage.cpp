#include "barre/Enregistrements.h"
#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/TIniFile.h"
#include "platform/icons.h"
#include "support/Banc.h"

#include <QApplication>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

namespace {

QStringList sections(const QByteArray &contenu) {
    QStringList noms;
    const QRegularExpression entete(QStringLiteral("^\\[(.*)\\]\\r?$"),
                                    QRegularExpression::MultilineOption);
    for (auto it = entete.globalMatch(QString::fromUtf8(contenu)); it.hasNext();)
        noms.append(it.next().captured(1));
    return noms;
}

// Two pictures alike but for the rounding of partly transparent pixels through a pixmap.
bool presqueEgales(const QImage &a, const QImage &b) {
    if (a.size() != b.size())
        return false;
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pa.height(); ++y)
        for (int x = 0; x < pa.width(); ++x) {
            const QRgb p = pa.pixel(x, y), q = pb.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q),
                          qAlpha(p) - qAlpha(q)})
                if (std::abs(d) > 2)
                    return false;
        }
    return true;
}

QByteArray tableauDe(int nombre, const QByteArray &enTete = "[TRESSOLA]\nPosition=0\n") {
    QByteArray t = enTete + "[MAIN]\n";
    for (int i = 0; i < nombre; ++i)
        t += QByteArray::number(i) + "LigCom=prog" + QByteArray::number(i) + "\n" +
             QByteArray::number(i) + "NomSection=SECTION" + QByteArray::number(i) + "\n";
    return t + "Nombre=" + QByteArray::number(nombre) + "\n";
}

} // namespace

class TestDemarrage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void premierDemarrage() {
        Banc banc;
        TBarreDlg *barre = banc.demarrer();
        QVERIFY(banc.messages.isEmpty());
        QVERIFY(barre->EstPrincipale);
        QVERIFY(barre->isVisible());
        QCOMPARE(sections(banc.lire()), (QStringList{u"TRESSOLA"_qs, u"MAIN"_qs, u"SECTION0"_qs}));
        const TIniFile ini(banc.tableau());
        const QString reglages = QStringLiteral("TRESSOLA");
        QCOMPARE(ini.ReadSection(reglages),
                 (QStringList{u"X"_qs, u"Y"_qs, u"Orientation"_qs, u"Position"_qs, u"StayOnTop"_qs,
                              u"FermetureAuto"_qs}));
        QCOMPARE(ini.ReadInteger(reglages, QStringLiteral("Position"), -1), 3);
        QCOMPARE(ini.ReadInteger(reglages, QStringLiteral("Orientation"), -1), 0);
        QCOMPARE(ini.ReadInteger(QStringLiteral("SECTION0"), QStringLiteral("Nombre"), -1), 0);
        // The slot was written before its drawer had a name; the name comes with the next save.
        const QString main = QStringLiteral("MAIN");
        QCOMPARE(ini.ReadInteger(main, QStringLiteral("Nombre"), -1), 1);
        QCOMPARE(ini.ReadString(main, QStringLiteral("0NomSection"), u"absent"_qs), QString());
        QCOMPARE(ini.ReadString(main, QStringLiteral("0Name"), {}),
                 banc.rep.filePath(QStringLiteral("tressola")));
        QCOMPARE(ini.ReadInteger(main, QStringLiteral("0Icon"), 0), -1);

        QCOMPARE(Longueur(barre->Liste), 1);
        QCOMPARE(Longueur(barre->ListeTiroirs), 1);
        QVERIFY(barre->Liste->Bouton->icon().isNull());
        QVERIFY(barre->ListeTiroirs->Bouton->icon().isNull()); // empty drawer: no arrow
        QCOMPARE(barre->Liste->Bouton->size(), QSize(44, 44));

        barre->close();
        QCOMPARE(TIniFile(banc.tableau()).ReadString(main, QStringLiteral("0NomSection"), {}),
                 u"SECTION0"_qs);
        QCOMPARE(sections(banc.lire()).last(), u"MAIN"_qs);
    }

    void sansReglages() {
        Banc banc;
        banc.ecrire(tableauDe(1, ""));
        banc.demarrer();
        QCOMPARE(G.Position, quint8(0));
        QCOMPARE(G.Orientation, quint8(0));
        QVERIFY(!sections(banc.lire()).contains(u"TRESSOLA"_qs));
    }

    void reglagesLus_data() {
        QTest::addColumn<QByteArray>("reglages");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("dessus");
        QTest::newRow("octet bas")
            << QByteArray("Orientation=256\nPosition=-1\nStayOnTop=2\n") << 0 << 255 << true;
        QTest::newRow("hexadecimal")
            << QByteArray("Orientation=0x1\nPosition=$4\n") << 1 << 4 << false;
        QTest::newRow("illisible")
            << QByteArray("Orientation=v\nPosition=3x\nStayOnTop=oui\n") << 0 << 0 << false;
    }
    void reglagesLus() {
        QFETCH(QByteArray, reglages);
        QFETCH(int, orientation);
        QFETCH(int, position);
        QFETCH(bool, dessus);
        Banc banc;
        banc.ecrire(tableauDe(1, "[TRESSOLA]\n" + reglages));
        banc.demarrer();
        QCOMPARE(int(G.Orientation), orientation);
        QCOMPARE(int(G.Position), position);
        QCOMPARE(G.StayOnTop, dessus);
    }

    void douzeBoutons() {
        Banc banc;
        banc.ecrire(tableauDe(12));
        TBarreDlg *barre = banc.demarrer();
        QCOMPARE(Longueur(barre->Liste), 12);
        QCOMPARE(Longueur(barre->ListeTiroirs), 12);
        TBoutonAppli *r = barre->Liste;
        TBoutonTiroir *t = barre->ListeTiroirs;
        for (int i = 0; i < 10; ++i) {
            r = r->Suivant;
            t = t->Suivant;
        }
        QCOMPARE(r->LigCom, u"prog10"_qs);
        QCOMPARE(t->NomSection, u"SECTION10"_qs);
        QCOMPARE(barre->Liste->Suivant->LigCom, u"prog1"_qs);
    }

    void nombreAbime_data() {
        QTest::addColumn<QByteArray>("main");
        QTest::addColumn<int>("boutons");
        QTest::addColumn<QString>("premier");
        QTest::newRow("negatif") << QByteArray("0LigCom=a\nNombre=-1\n") << 1 << QString();
        QTest::newRow("trop grand")
            << QByteArray("0LigCom=a\n1LigCom=b\n2Hint=c\nNombre=5000000\n") << 3 << u"a"_qs;
        QTest::newRow("plus que les cles") << QByteArray("0LigCom=a\nNombre=3\n") << 3 << u"a"_qs;
    }
    void nombreAbime() {
        QFETCH(QByteArray, main);
        QFETCH(int, boutons);
        QFETCH(QString, premier);
        Banc banc;
        banc.ecrire("[TRESSOLA]\n[MAIN]\n" + main);
        TBarreDlg *barre = banc.demarrer();
        QCOMPARE(Longueur(barre->Liste), boutons);
        QCOMPARE(barre->Liste->LigCom, premier);
        if (boutons > 1)
            QCOMPARE(barre->Liste->Suivant->Icon, -1);
    }

    // Closing the main bar writes MAIN, then every drawer bar, open or hidden, as it lets go of
    // its slots.
    void fermetureSauveToutesLesBarres() {
        Banc banc;
        banc.ecrire(tableauDe(2) + "[SECTION0]\n0LigCom=x\nNombre=1\n"
                                   "[SECTION1]\n0LigCom=y\n1LigCom=z\nNombre=2\n");
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t0 = barre->ListeTiroirs;
        TBoutonTiroir *t1 = t0->Suivant;
        for (TBoutonTiroir *t : {t1, t0}) {
            G.TiroirEnCours = t;
            TBarreDlg::Creer(t->Barre);
            QVERIFY(!t->Barre->EstPrincipale);
            QCOMPARE(t->Barre->Tiroir, t);
            QVERIFY(!t->Barre->Bidon);
        }
        t0->Barre->hide();
        t1->Barre->Liste->Hint = QStringLiteral("changé");
        QCOMPARE(Longueur(t1->Barre->Liste), 2);
        QCOMPARE(t1->Barre->Liste->Bouton->parentWidget(), t1->Barre);

        barre->close();
        QCOMPARE(sections(banc.lire()),
                 (QStringList{u"TRESSOLA"_qs, u"MAIN"_qs, u"SECTION0"_qs, u"SECTION1"_qs}));
        QCOMPARE(TIniFile(banc.tableau()).ReadString(u"SECTION1"_qs, u"0Hint"_qs, {}),
                 u"changé"_qs);
        QVERIFY(banc.messages.isEmpty());
    }

    void fermetureDUnTiroir() {
        Banc banc;
        banc.ecrire(tableauDe(1) + "[SECTION0]\n0LigCom=x\nNombre=1\n");
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = barre->ListeTiroirs;
        QVERIFY(!t->Bouton->icon().isNull()); // a drawer with buttons shows its arrow
        G.TiroirEnCours = t;
        TBarreDlg::Creer(t->Barre);
        t->Barre->close();
        QVERIFY(!t->Barre);
        QVERIFY(barre->isVisible());
        QCOMPARE(sections(banc.lire()).last(), u"SECTION0"_qs);
    }

    // Neither the board file nor the user's configuration directory can be written: the error
    // is reported, and the bar still shows its slot and closes normally.
    void tableauImpossibleAEcrire() {
        Banc banc;
        QFile bouchon(banc.rep.filePath(QStringLiteral("fichier")));
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        bouchon.close();
        platform::simulerCheminProgramme(banc.rep.filePath(QStringLiteral("fichier/tressola")));
        qputenv("XDG_CONFIG_HOME", banc.rep.filePath(QStringLiteral("fichier/config")).toUtf8());
        TBarreDlg *barre = banc.demarrer();
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(banc.messages.size(), 1);
        QVERIFY2(banc.messages.first().startsWith(u"Unable to write to "_qs) &&
                     banc.messages.first().endsWith(u"TRESSOLA.INI."_qs),
                 qPrintable(banc.messages.first()));
        QVERIFY(barre->isVisible());
        QCOMPARE(Longueur(barre->Liste), 1);
        QVERIFY(barre->Liste->Bouton);
        QVERIFY(!G.SauvegardeBloquee);
        barre->close();
        QCOMPARE(banc.messages.size(), 2);
    }

    void barreSansBouton() {
        Banc banc;
        banc.ecrire(tableauDe(1) + "[SECTION0]\nNombre=0\n");
        TBarreDlg *barre = banc.demarrer();
        G.TiroirEnCours = barre->ListeTiroirs;
        TBarreDlg::Creer(barre->ListeTiroirs->Barre);
        TBarreDlg *tiroir = barre->ListeTiroirs->Barre;
        QVERIFY(!tiroir->Liste);
        try {
            tiroir->FormClose();
            QFAIL("the program should have ended");
        } catch (const FinDuProgramme &fin) {
            QCOMPARE(fin.code, 255);
        }
        QCOMPARE(banc.messages, QStringList{u"Erreur de l'application - Liste=nil"_qs});
    }

    void lookups() {
        Banc banc;
        banc.ecrire(tableauDe(3));
        TBarreDlg *barre = banc.demarrer();
        TBoutonAppli *r = barre->Liste->Suivant->Suivant;
        TBoutonTiroir *t = barre->ListeTiroirs->Suivant;
        QCOMPARE(AppliDuControle(barre, r->Bouton), r);
        QCOMPARE(AppliDuControle(barre, t->Bouton), nullptr);
        QCOMPARE(AppliDuControle(barre, barre->Bidon), nullptr);
        QCOMPARE(AppliDuControle(barre, barre), nullptr);
        QCOMPARE(TiroirDuControle(barre, t->Bouton), t);
        QCOMPARE(TiroirDuControle(barre, r->Bouton), nullptr);
    }

    // A button's glyph: blank without an icon number, the question mark when the file holds no
    // such icon, the icon itself otherwise; its tooltip only when it has a text.
    void glyphes_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("icone");
        QTest::addColumn<QString>("attendu");
        const QString dll = QStringLiteral(DONNEES_ICONES "/groupes64.dll");
        QTest::newRow("sans numero") << dll << -1 << u"vide"_qs;
        QTest::newRow("fichier texte") << u"%R/texte.txt"_qs << 0 << u"question"_qs;
        QTest::newRow("fichier absent") << u"%R/absent.exe"_qs << 0 << u"question"_qs;
        QTest::newRow("numero au-dela") << dll << 500 << u"question"_qs;
        QTest::newRow("bibliotheque") << dll << 1 << u"icone"_qs;
    }
    void glyphes() {
        QFETCH(QString, nom);
        QFETCH(int, icone);
        QFETCH(QString, attendu);
        Banc banc;
        QFile texte(banc.rep.filePath(u"texte.txt"_qs));
        QVERIFY(texte.open(QIODevice::WriteOnly));
        texte.write("pas une icône\n");
        texte.close();
        nom.replace(u"%R"_qs, banc.rep.path());
        banc.ecrire("[MAIN]\n0Name=" + nom.toUtf8() + "\n0Icon=" + QByteArray::number(icone) +
                    "\n1Hint=Bulle\nNombre=2\n");
        TBarreDlg *barre = banc.demarrer();
        const QIcon vu = barre->Liste->Bouton->icon();
        const QImage question = QApplication::style()
                                    ->standardIcon(QStyle::SP_MessageBoxQuestion)
                                    .pixmap(32, 32)
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32);
        const QImage image = vu.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        if (attendu == u"vide")
            QVERIFY(vu.isNull());
        else if (attendu == u"question")
            QCOMPARE(image, question);
        else
            QVERIFY(presqueEgales(image, iconImage(nom, icone)));
        QVERIFY(barre->Liste->Bouton->toolTip().isEmpty());
        QCOMPARE(barre->Liste->Suivant->Bouton->toolTip(), u"Bulle"_qs);
    }

    // After a save the Tab key visits the application buttons from the last to the first.
    void ordreDeTabulation() {
        Banc banc;
        banc.ecrire(tableauDe(3));
        TBarreDlg *barre = banc.demarrer();
        SauverBarre(barre);
        QWidget *premier = barre->nextInFocusChain();
        TBoutonAppli *r = barre->Liste;
        QCOMPARE(premier, r->Suivant->Suivant->Bouton);
        QCOMPARE(premier->nextInFocusChain(), r->Suivant->Bouton);
        QCOMPARE(premier->nextInFocusChain()->nextInFocusChain(), r->Bouton);
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
