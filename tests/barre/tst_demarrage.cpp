#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/TIniFile.h"
#include "board/Tableau.h"
#include "platform/AideIcones.h"
#include "support/Banc.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStyle>
#include <QTest>
#include <sys/stat.h>
#include <tuple>

namespace {

QByteArray tableauDe(int nombre) {
    QByteArray t = "[MAIN]\n";
    for (int i = 0; i < nombre; ++i)
        t += QByteArray::number(i) + "LigCom=prog" + QByteArray::number(i) + "\n" +
             QByteArray::number(i) + "NomSection=SECTION" + QByteArray::number(i) + "\n";
    return t + "Nombre=" + QByteArray::number(nombre) + "\n";
}

} // namespace

class TestDemarrage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Settings keep their low byte only. The main bar's paint applies the stay-on-top setting.
    void reglagesLus() {
        Banc banc;
        banc.ecrire("[TRESSOLA]\nOrientation=256\nPosition=-1\nStayOnTop=2\n" + tableauDe(1));
        TBarreDlg *barre = banc.demarrer();
        QCOMPARE(int(G.Orientation), 0);
        QCOMPARE(int(G.Position), 255);
        QVERIFY(G.StayOnTop);
        QVERIFY(barre->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        G.StayOnTop = false;
        barre->repaint();
        QTRY_VERIFY(!barre->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    // Each slot as command|drawer section|icon, whatever MAIN's count says (damaged counts are
    // read as a drawer's, tried in the drawer tests). These boards have no settings: the bar takes
    // the top left corner, and none are written.
    void boutonsLus_data() {
        QTest::addColumn<QByteArray>("tableau");
        QTest::addColumn<QStringList>("creneaux");
        QStringList douze;
        for (int i = 0; i < 12; ++i)
            douze.append(u"prog%1|SECTION%1|-1"_qs.arg(i));
        QTest::newRow("douze") << tableauDe(12) << douze;
        QTest::newRow("nombre trop grand")
            << QByteArray("[MAIN]\n0LigCom=a\n1LigCom=b\n2Hint=c\nNombre=5000000\n")
            << QStringList{u"a||-1"_qs, u"b||-1"_qs, u"||-1"_qs};
        // A damaged count: the buttons whose keys are there, never fewer, never more.
        const QByteArray deux = "[MAIN]\n0LigCom=a\n0NomSection=SECTION0\n3Icon=2\n";
        const QStringList deuxLus{u"a|SECTION0|-1"_qs, u"||2"_qs};
        QTest::newRow("nombre absent") << deux << deuxLus;
        QTest::newRow("nombre illisible") << deux + "Nombre=2x\n" << deuxLus;
        QTest::newRow("nombre négatif") << deux + "Nombre=-1\n" << deuxLus;
        // Read as any key is: any case, the first of a name, blanks and quotes off, Windows-1252.
        QTest::newRow("clés en vrac")
            << QByteArray("[MAIN]\n 0ligcom = 'caf\xE9' \n0LigCom=b\n00Icon=5\n0ICON=\"3\"\n"
                          "0nomsection=SECTION0\nNombre=1\n")
            << QStringList{u"café|SECTION0|3"_qs};
        QTest::newRow("une clé d'indice haut")
            << QByteArray("[MAIN]\n1500Hint=x\nNombre=2000000000\n") << QStringList{u"||-1"_qs};
        // A slot never shares a section, nor names MAIN or TRESSOLA: it gets a fresh one, and
        // MAIN is written with it.
        QTest::newRow("sections partagées")
            << QByteArray("[MAIN]\n0NomSection=main\n1NomSection=SECTION1\n2NomSection=section1\n"
                          "3NomSection=Tressola\nNombre=4\n[SECTION1]\n0LigCom=z\nNombre=1\n")
            << QStringList{u"|SECTION0|-1"_qs, u"|SECTION1|-1"_qs, u"|SECTION2|-1"_qs,
                           u"|SECTION3|-1"_qs};
    }
    void boutonsLus() {
        QFETCH(QByteArray, tableau);
        QFETCH(QStringList, creneaux);
        Banc banc;
        banc.ecrire(tableau);
        TBarreDlg *barre = banc.demarrer();
        QStringList vus;
        TBoutonTiroir *t = barre->ListeTiroirs;
        PourChaque(barre->Liste, [&](TBoutonAppli *r) {
            vus.append(r->LigCom + u'|' + t->NomSection + u'|' + QString::number(r->Icon));
            t = t->Suivant;
        });
        QCOMPARE(vus, creneaux);
        QCOMPARE(Longueur(barre->ListeTiroirs), creneaux.size());
        const TIniFile ini(banc.tableau());
        for (int i = 0; i < creneaux.size(); ++i) {
            const QString surDisque = ini.ReadString(u"MAIN"_qs, u"%1NomSection"_qs.arg(i), {});
            QVERIFY(surDisque.isEmpty() || surDisque == creneaux[i].section(u'|', 1, 1));
        }
        QCOMPARE(int(G.Position), 0);
        QVERIFY(!TIniFile(banc.tableau()).SectionExists(u"TRESSOLA"_qs));
    }

    // Past a thousand buttons the bar shows the first thousand; the others stay in its section.
    void milleBoutonsAuPlus() {
        Banc banc;
        QByteArray t = "[MAIN]\nNombre=-1\n";
        for (int i = 0; i < 1002; ++i)
            t += QByteArray::number(i) + "LigCom=p" + QByteArray::number(i) + "\n";
        banc.ecrire(t);
        G.FichierTableau = banc.tableau();
        ListesBarre l = LireBoutons(u"MAIN"_qs, false);
        QCOMPARE(Longueur(l.Liste), 1000);
        EcrireBoutons(u"MAIN"_qs, l.Liste, nullptr, l.Reste);
        DetruireListe(l.Liste);
        const TIniFile ini(banc.tableau());
        QCOMPARE(ini.ReadInteger(u"MAIN"_qs, u"Nombre"_qs, 0), 1000);
        QCOMPARE(ini.ReadString(u"MAIN"_qs, u"1001LigCom"_qs, {}), u"p1001"_qs);
    }

    // Closing the main bar writes every drawer bar too, open or hidden.
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
        }
        t0->Barre->hide();
        t0->Barre->Liste->Hint = u"caché"_qs;
        t1->Barre->Liste->Hint = u"ouvert"_qs;
        barre->close();
        const TIniFile ini(banc.tableau());
        QCOMPARE(ini.ReadString(u"SECTION0"_qs, u"0Hint"_qs, {}), u"caché"_qs);
        QCOMPARE(ini.ReadString(u"SECTION1"_qs, u"0Hint"_qs, {}), u"ouvert"_qs);
        QVERIFY(banc.messages.isEmpty());
    }

    // A board that is no regular file: the start neither hangs nor reads it, says so, shows the
    // bar's slot from memory, and quitting writes nothing over it. The board's own tests try each
    // kind of unreadable file, the first-start scenario the real program's start and quit.
    void tableauIllisible() {
        Banc banc;
        QCOMPARE(mkfifo(QFile::encodeName(banc.tableau()).constData(), 0644), 0);
        TBarreDlg *barre = banc.demarrer();
        const QString message =
            u"Impossible de lire le fichier %1 (ce n'est pas un fichier ordinaire). Il est laissé "
            "tel quel : les changements ne seront pas enregistrés."_qs.arg(banc.tableau());
        QCOMPARE(banc.messages, QStringList{message});
        QVERIFY(barre->isVisible());
        QCOMPARE(Longueur(barre->Liste), 1);
        barre->close();
        QCOMPARE(banc.messages, QStringList(2, message));
        QVERIFY(!QFileInfo(banc.tableau()).isFile()); // still the FIFO
    }

    // A button's glyph: blank without an icon number, the question mark when the file holds no
    // such icon, the icon itself otherwise. The rows at scale 2 run with QT_SCALE_FACTOR=2: the bar
    // keeps its sizes in pixels, and its glyphs are drawn with two device pixels per pixel from
    // the icon's pictures for that size.
    void glyphes_data() {
        QTest::addColumn<int>("echelle");
        QTest::addColumn<QString>("nom"); // empty: the drawing below
        QTest::addColumn<int>("icone");
        QTest::addColumn<QImage>("attendu"); // null: no glyph
        const QString dll = QStringLiteral(DONNEES_ICONES "/groupes64.dll");
        const QImage question = QApplication::style()
                                    ->standardIcon(QStyle::SP_MessageBoxQuestion)
                                    .pixmap(32, 32)
                                    .toImage();
        QTest::newRow("sans numero") << 1 << dll << -1 << QImage();
        QTest::newRow("fichier absent") << 1 << u"/nulle/part/absent.exe"_qs << 0 << question;
        QTest::newRow("bibliotheque") << 1 << dll << 1 << motif(0x0A0B0C, 0xC0B0A0, true);
        // The icon of index 8 holds pictures of 16, 64 and 48 pixels; the one of 48 makes its
        // glyph at one device pixel per pixel.
        QTest::newRow("2x, bibliotheque, image de 64")
            << 2 << dll << 8 << motif(0x333333, 0x444444, true, 64);
        QImage trait(64, 64, QImage::Format_ARGB32);
        trait.fill(Qt::white);
        for (int y = 0; y < 64; ++y)
            trait.setPixel(0, y, qRgb(0, 0, 0));
        QTest::newRow("2x, dessin") << 2 << QString() << 0 << trait;
    }
    void glyphes() {
        QFETCH(int, echelle);
        QFETCH(QString, nom);
        QFETCH(int, icone);
        QFETCH(QImage, attendu);
        if (qApp->devicePixelRatio() != echelle)
            QSKIP("for a run at the other scale");
        Banc banc;
        if (nom.isEmpty()) {
            // A line one device pixel wide along the left edge.
            nom = banc.rep.filePath(u"trait.svg"_qs);
            QVERIFY(ecrireTout(nom,
                               "<svg xmlns='http://www.w3.org/2000/svg' width='32' height='32' "
                               "viewBox='0 0 64 64'><rect width='64' height='64' fill='white'/>"
                               "<rect width='1' height='64' fill='black'/></svg>"));
        }
        banc.ecrire("[MAIN]\n0Name=" + nom.toUtf8() + "\n0Icon=" + QByteArray::number(icone) +
                    "\n0NomSection=S\nNombre=1\n[S]\nNombre=1\n");
        TBarreDlg *barre = banc.demarrer();
        QCOMPARE(barre->size(), QSize(46, 65));
        QCOMPARE(barre->Liste->Bouton->size(), QSize(44, 44));
        const QIcon vu = barre->Liste->Bouton->icon();
        QCOMPARE(vu.isNull(), attendu.isNull());
        // Compared once both went through the premultiplied form a pixmap keeps.
        const auto forme = [](QImage i) {
            i.setDevicePixelRatio(1);
            return i.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                .convertToFormat(QImage::Format_ARGB32);
        };
        if (!vu.isNull())
            QCOMPARE(forme(vu.pixmap(QSize(32, 32), echelle).toImage()), forme(attendu));
        if (echelle == 1)
            return;
        // The up arrow: its top pixel at row 3, column 6, covers device rows 6 and 7, columns 12
        // and 13; its neighbours stay white.
        const QImage fleche =
            barre->ListeTiroirs->Bouton->icon().pixmap(QSize(14, 10), 2).toImage();
        QCOMPARE(fleche.size(), QSize(28, 20));
        for (const auto &[x, y, noir] : {std::tuple{12, 6, true},
                                         {13, 7, true},
                                         {11, 6, false},
                                         {14, 7, false},
                                         {12, 5, false}})
            QCOMPARE(fleche.pixel(x, y) == qRgb(0, 0, 0), noir);
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
