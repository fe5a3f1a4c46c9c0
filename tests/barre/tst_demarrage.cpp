#include "board/TIniFile.h"
#include "board/Tableau.h"
#include "platform/AideIcones.h"
#include "support/Banc.h"

#include <QApplication>
#include <QStyle>
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
    std::optional<Banc> banc;
private Q_SLOTS:
    void init() { banc.emplace(); }
    void cleanup() { banc.reset(); }

    // Settings keep their low byte only. The main bar's paint applies the stay-on-top setting.
    void reglagesLus() {
        TBarreDlg *barre = banc->demarrer(
            "[TRESSOLA]\nOrientation=256\nPosition=-1\nStayOnTop=2\n" + tableauDe(1));
        QCOMPARE(std::tuple(int(G.Orientation), int(G.Position), G.StayOnTop),
                 std::tuple(0, 255, true));
        QVERIFY(barre->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        G.StayOnTop = false;
        barre->repaint();
        QTRY_VERIFY(!barre->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    // Each slot as command|drawer section|icon (damaged counts: tst_tiroirs). These boards have no
    // settings: the bar takes the top left corner, and none are written.
    void boutonsLus_data() {
        QTest::addColumn<QByteArray>("tableau");
        QTest::addColumn<QStringList>("creneaux");
        QStringList douze;
        for (int i = 0; i < 12; ++i)
            douze.append(u"prog%1|SECTION%1|-1"_qs.arg(i));
        QTest::newRow("douze") << tableauDe(12) << douze;
        // Read as any key is: any case, the first of a name, blanks and quotes off, Windows-1252.
        QTest::newRow("clés en vrac")
            << QByteArray("[MAIN]\n 0ligcom = 'caf\xE9' \n0LigCom=b\n00Icon=5\n0ICON=\"3\"\n"
                          "0nomsection=SECTION0\nNombre=1\n")
            << QStringList{u"café|SECTION0|3"_qs};
        // A slot never shares a section nor names MAIN or TRESSOLA: a fresh one, written to MAIN.
        QTest::newRow("sections partagées")
            << QByteArray("[MAIN]\n0NomSection=main\n1NomSection=SECTION1\n2NomSection=section1\n"
                          "3NomSection=Tressola\nNombre=4\n[SECTION1]\n0LigCom=z\nNombre=1\n")
            << QStringList{u"|SECTION0|-1"_qs, u"|SECTION1|-1"_qs, u"|SECTION2|-1"_qs,
                           u"|SECTION3|-1"_qs};
    }
    void boutonsLus() {
        QFETCH(QByteArray, tableau);
        QFETCH(QStringList, creneaux);
        TBarreDlg *barre = banc->demarrer(tableau);
        QStringList vus;
        TBoutonTiroir *t = barre->ListeTiroirs;
        PourChaque(barre->Liste, [&](TBoutonAppli *r) {
            vus.append(r->LigCom + u'|' + t->NomSection + u'|' + QString::number(r->Icon));
            t = t->Suivant;
        });
        QCOMPARE(vus, creneaux);
        QCOMPARE(Longueur(barre->ListeTiroirs), creneaux.size());
        const TIniFile ini(banc->tableau());
        for (int i = 0; i < creneaux.size(); ++i) {
            const QString surDisque = ini.ReadString(u"MAIN"_qs, u"%1NomSection"_qs.arg(i), {});
            QVERIFY(surDisque.isEmpty() || surDisque == creneaux[i].section(u'|', 1, 1));
        }
        QCOMPARE(int(G.Position), 0);
        QVERIFY(!ini.SectionExists(u"TRESSOLA"_qs));
    }

    // Past a thousand buttons the bar shows the first thousand; the others stay in its section.
    void milleBoutonsAuPlus() {
        QByteArray t = "[MAIN]\nNombre=-1\n";
        for (int i = 0; i < 1002; ++i)
            t += QByteArray::number(i) + "LigCom=p" + QByteArray::number(i) + "\n";
        banc->ecrire(t);
        G.FichierTableau = banc->tableau();
        ListesBarre l = LireBoutons(u"MAIN"_qs, false);
        QCOMPARE(Longueur(l.Liste), 1000);
        EcrireBoutons(u"MAIN"_qs, l.Liste, nullptr, l.Reste);
        DetruireListe(l.Liste);
        const TIniFile ini(banc->tableau());
        QCOMPARE(ini.ReadInteger(u"MAIN"_qs, u"Nombre"_qs, 0), 1000);
        QCOMPARE(ini.ReadString(u"MAIN"_qs, u"1001LigCom"_qs, {}), u"p1001"_qs);
    }

    // Closing the main bar writes every drawer bar too, open or hidden.
    void fermetureSauveToutesLesBarres() {
        TBarreDlg *barre =
            banc->demarrer(tableauDe(2) + "[SECTION0]\n0LigCom=x\nNombre=1\n"
                                          "[SECTION1]\n0LigCom=y\n1LigCom=z\nNombre=2\n");
        TBoutonTiroir *t0 = barre->ListeTiroirs;
        TBoutonTiroir *t1 = t0->Suivant;
        cliquer(barre, t1);
        cliquer(barre, t0)->hide();
        t0->Barre->Liste->Hint = u"caché"_qs;
        t1->Barre->Liste->Hint = u"ouvert"_qs;
        barre->close();
        const TIniFile ini(banc->tableau());
        QCOMPARE(ini.ReadString(u"SECTION0"_qs, u"0Hint"_qs, {}), u"caché"_qs);
        QCOMPARE(ini.ReadString(u"SECTION1"_qs, u"0Hint"_qs, {}), u"ouvert"_qs);
        QVERIFY(banc->messages.isEmpty());
    }

    // A glyph: blank without an icon number, the question mark when the file lacks the icon, else
    // the icon; at QT_SCALE_FACTOR=2, two device pixels per pixel from the pictures for that size.
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
        // Icon 8 holds pictures of 16, 64 and 48 pixels; the 48 one makes the glyph at 1:1.
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
        if (nom.isEmpty()) {
            // A line one device pixel wide along the left edge.
            nom = banc->rep.filePath(u"trait.svg"_qs);
            QVERIFY(ecrireTout(nom,
                               "<svg xmlns='http://www.w3.org/2000/svg' width='32' height='32' "
                               "viewBox='0 0 64 64'><rect width='64' height='64' fill='white'/>"
                               "<rect width='1' height='64' fill='black'/></svg>"));
        }
        TBarreDlg *barre = banc->demarrer("[MAIN]\n0Name=" + nom.toUtf8() +
                                          "\n0Icon=" + QByteArray::number(icone) +
                                          "\n0NomSection=S\nNombre=1\n[S]\nNombre=1\n");
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
        for (const QPoint p : {QPoint(12, 6), QPoint(13, 7)})
            QCOMPARE(fleche.pixel(p), qRgb(0, 0, 0));
        for (const QPoint p : {QPoint(11, 6), QPoint(14, 7), QPoint(12, 5)})
            QCOMPARE(fleche.pixel(p), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
