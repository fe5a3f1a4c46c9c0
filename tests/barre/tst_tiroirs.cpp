#include "barre/Fleches.h"
#include "board/TIniFile.h"
#include "support/Banc.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <csignal>
#include <sys/resource.h>
#include <tuple>

namespace {

// The four arrows, black lines on white.
struct Dessin {
    Fleche fleche;
    QSize taille;
    QList<QLine> traits;
};
const Dessin Dessins[] = {
    {Fleche::FlecheHaut,
     {14, 10},
     {{6, 3, 6, 3}, {5, 4, 5, 4}, {7, 4, 7, 4}, {4, 5, 4, 5}, {8, 5, 8, 5}, {3, 6, 9, 6}}},
    {Fleche::FlecheBas,
     {14, 10},
     {{3, 3, 9, 3}, {4, 4, 4, 4}, {8, 4, 8, 4}, {5, 5, 5, 5}, {7, 5, 7, 5}, {6, 6, 6, 6}}},
    {Fleche::FlecheDroite,
     {10, 10},
     {{3, 1, 3, 7}, {4, 2, 4, 2}, {5, 3, 5, 3}, {6, 4, 6, 4}, {5, 5, 5, 5}, {4, 6, 4, 6}}},
    {Fleche::FlecheGauche,
     {10, 10},
     {{6, 1, 6, 7}, {5, 2, 5, 2}, {4, 3, 4, 3}, {3, 4, 3, 4}, {4, 5, 4, 5}, {5, 6, 5, 6}}},
};

QImage dessiner(const Dessin &d) {
    QImage image(d.taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (const QLine &t : d.traits)
        for (int x = t.x1(); x <= t.x2(); ++x)
            for (int y = t.y1(); y <= t.y2(); ++y)
                image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

Fleche flecheDe(const TBoutonTiroir *t) {
    const QIcon icone = t->Bouton->icon();
    if (icone.isNull())
        return Fleche::Aucune;
    const QImage vue = icone.pixmap(icone.availableSizes().first())
                           .toImage()
                           .convertToFormat(QImage::Format_RGB32);
    for (const Dessin &d : Dessins)
        if (vue == dessiner(d))
            return d.fleche;
    return Fleche::Aucune;
}

TBoutonTiroir *tiroir(TBarreDlg *barre, int i) {
    TBoutonTiroir *t = barre->ListeTiroirs;
    while (i-- > 0)
        t = t->Suivant;
    return t;
}

// A menu as the user reads it: its items between "|", each with its shortcut, "[x]" before a
// checked one, "(grisé)" after a disabled one, "-" for a separator, a submenu's items indented.
QString lignes(const QMenu *menu, const QString &retrait = {}) {
    QStringList l;
    for (const QAction *a : menu->actions()) {
        QStringList mots{a->isSeparator() ? u"-"_qs : a->text()};
        if (a->isChecked())
            mots.prepend(u"[x]"_qs);
        if (!a->shortcut().isEmpty())
            mots.append(a->shortcut().toString());
        if (!a->isEnabled())
            mots.append(u"(grisé)"_qs);
        l.append(retrait + mots.join(u' '));
        if (a->menu())
            l.append(lignes(a->menu(), retrait + u"  "_qs));
    }
    return l.join(u'|');
}

void taper(QWidget *controle, QKeyCombination touches) {
    controle->setFocus();
    QTest::keyClick(controle, touches.key(), touches.keyboardModifiers());
}

// Three slots: drawer 0 holds two buttons, drawer 1 one, drawer 2 is reserved and empty.
const QByteArray Tableau = "[TRESSOLA]\nPosition=4\nX=100\nY=500\n"
                           "[MAIN]\n0NomSection=SECTION0\n1NomSection=SECTION1\n"
                           "2NomSection=SECTION2\nNombre=3\n"
                           "[SECTION0]\n0LigCom=a\n1LigCom=b\nNombre=2\n"
                           "[SECTION1]\n0LigCom=c\nNombre=1\n"
                           "[SECTION2]\nNombre=0\n";

} // namespace

class TestTiroirs : public QObject {
    Q_OBJECT
    std::optional<Banc> banc;
    TBarreDlg *barre = nullptr;
private Q_SLOTS:
    void init() { barre = banc.emplace().demarrer(Tableau); }
    void cleanup() { banc.reset(); }

    // Two clicks on a strip: open, then hidden but kept. Changing orientation then lays the
    // drawers out again, open or hidden, and turns their arrows.
    void clicsPuisOrientation() {
        TBoutonTiroir *t = tiroir(barre, 0);
        QCOMPARE(flecheDe(t), Fleche::FlecheHaut);
        TBarreDlg *ouvert = cliquer(barre, t);
        QCOMPARE(flecheDe(t), Fleche::FlecheBas);
        cliquer(barre, t);
        QCOMPARE(t->Barre, ouvert);
        QCOMPARE(flecheDe(t), Fleche::FlecheHaut);
        // A drawer's menu acts on the main bar.
        cliquer(barre, tiroir(barre, 1))->Vertical->trigger();
        QCOMPARE(barre->size(), QSize(65, 3 * 47 - 1));
        QCOMPARE(flecheDe(tiroir(barre, 0)), Fleche::FlecheDroite);
        QCOMPARE(flecheDe(tiroir(barre, 1)), Fleche::FlecheGauche);
        QCOMPARE(ouvert->size(), QSize(2 * 47 - 1, 46));
        QCOMPARE(ouvert->pos(), QPoint(100 + 65, 500));
        QCOMPARE(tiroir(barre, 1)->Barre->pos(), QPoint(100 + 65, 500 + 47));
        QCOMPARE(TIniFile(banc->tableau()).ReadInteger(u"TRESSOLA"_qs, u"Orientation"_qs, -1), 1);
    }

    // A damaged count in a drawer's section: the buttons whose keys are there decide, one and the
    // same count for the arrow, the menu and the opening; quitting then ends normally.
    void nombresAbimes_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<int>("boutons");
        QTest::newRow("sans bouton") << QByteArray("Nombre=2000000000\n1000000000Hint=x\n") << 0;
        QTest::newRow("négatif") << QByteArray("0LigCom=a\n3Hint=b\nNombre=-4\n") << 2;
        QTest::newRow("une clé d'indice haut")
            << QByteArray("1500Hint=x\nNombre=2000000000\n") << 1;
    }
    void nombresAbimes() {
        QFETCH(QByteArray, section);
        QFETCH(int, boutons);
        barre = banc.emplace().demarrer("[MAIN]\n0NomSection=SECTION0\nNombre=1\n[SECTION0]\n" +
                                        section);
        TBoutonTiroir *t = tiroir(barre, 0);
        QCOMPARE(flecheDe(t), boutons ? Fleche::FlecheHaut : Fleche::Aucune);
        barre->ActiverMenuTiroirs(t);
        QCOMPARE(barre->OuvrirFermer->isEnabled(), boutons > 0);
        cliquer(barre, t);
        QCOMPARE(t->Barre ? Longueur(t->Barre->Liste) : 0, boutons);
        barre->close();
        QVERIFY(banc->messages.isEmpty());
    }

    // A setting that cannot be written changes nothing: bars, arrows, check marks, file.
    void orientationNonEnregistree() {
        cliquer(barre, tiroir(barre, 0));
        const QByteArray avant = banc->lire();
        rlimit normale{};
        getrlimit(RLIMIT_FSIZE, &normale);
        const rlimit limite{8, normale.rlim_max}; // the kernel refuses the bytes, even to root
        auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limite);
        const QPoint place = barre->pos();
        for (QAction *a : {barre->Vertical, barre->hg, barre->Quelconque, barre->StayOnTop,
                           barre->Fermetureautomatiquedestiroirs1})
            a->trigger();
        setrlimit(RLIMIT_FSIZE, &normale);
        std::signal(SIGXFSZ, ancienSignal);
        QCOMPARE(banc->messages.size(), 5);
        QCOMPARE(banc->lire(), avant);
        QCOMPARE(std::tuple(int(G.Orientation), int(G.Position), G.StayOnTop, G.FermetureAuto),
                 std::tuple(0, 4, false, false));
        QCOMPARE(barre->pos(), place);
        QVERIFY(!barre->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(barre->size(), QSize(3 * 47 - 1, 65));
        QCOMPARE(flecheDe(tiroir(barre, 0)), Fleche::FlecheBas);
    }

    // A drawer closed and opened again reads its section anew.
    void fermerPuisRouvrir() {
        TBoutonTiroir *t = tiroir(barre, 1);
        cliquer(barre, t)->close();
        QVERIFY(!t->Barre);
        QCOMPARE(flecheDe(t), Fleche::FlecheHaut);
        QVERIFY(barre->isVisible());
        banc->ecrire(QByteArray(Tableau).replace("c\nNombre=1", "neuf\n1LigCom=deux\nNombre=2"));
        cliquer(barre, t);
        QCOMPARE(Longueur(t->Barre->Liste), 2);
        QCOMPARE(t->Barre->Liste->LigCom, u"neuf"_qs);
    }

    // Dragged by its background with the left button, the main bar moves by the mouse's
    // movement, until the button is released; a drawer bar, or the right button, moves nothing.
    void glisserLaBarre() {
        cliquer(barre, tiroir(barre, 0));
        for (const auto &[bar, bouton, bouge] :
             {std::tuple{tiroir(barre, 0)->Barre, Qt::LeftButton, false},
              {barre, Qt::RightButton, false},
              {barre, Qt::LeftButton, true}}) {
            const QPoint avant = bar->pos();
            QTest::mousePress(bar, bouton, {}, QPoint(46, 40));
            QTest::mouseMove(bar, QPoint(76, 20));
            QTest::mouseRelease(bar, bouton, {}, QPoint(76, 20));
            QTest::mouseMove(bar, QPoint(90, 30));
            QCOMPARE(bar->pos(), avant + (bouge ? QPoint(30, -20) : QPoint()));
        }
    }

    // The start-up places by their keys, each written and taken at once; "&Quelconque (ici)" keeps
    // the place the bar has (changing the window style must not move it).
    void placement() {
        G.LargeurEcran = 1280;
        G.HauteurEcran = 800;
        for (const auto &[touche, position, place] :
             {std::tuple{Qt::Key_1, 0, QPoint(0, 0)},
              {Qt::Key_2, 1, QPoint(0, 800 - 65)},
              {Qt::Key_3, 3, QPoint((1280 - 140) / 2, 800 - 65)},
              {Qt::Key_4, 2, QPoint(1280 - 140, 800 - 65)},
              {Qt::Key_Q, 4, QPoint(10, 20)}}) {
            barre->move(10, 20);
            taper(barre->Bidon, Qt::CTRL | touche);
            QCOMPARE(barre->pos(), place);
            QCOMPARE(TIniFile(banc->tableau()).ReadInteger(u"TRESSOLA"_qs, u"Position"_qs, -1),
                     position);
        }
    }

    // The menus of the main bar and of a drawer bar, which shows the main bar's settings and
    // cannot enter move mode; Ctrl+M, Ctrl+T and Ctrl+A from the bar flip those three.
    void menus() {
        for (Qt::Key touche : {Qt::Key_M, Qt::Key_T, Qt::Key_A})
            taper(barre->Bidon, Qt::CTRL | touche);
        barre->PopupMenuPopup();
        const QString milieu =
            u"|-|&Aide F1|A propos de &Tressola|-|&Insérer (à la fin) Ctrl+F|-|"
            "[x] &Toujours visible Ctrl+T|[x] Tiroirs &automatiques Ctrl+A|-|"_qs;
        const QString fin = u"|Arrangement :|  [x] &Horizontal Ctrl+H|  &Vertical Ctrl+V|"
                            "Position au lancement :|  [x] &Quelconque (ici) Ctrl+Q|"
                            "  En haut à gauche Ctrl+1|  En bas à gauche Ctrl+2|"
                            "  En bas au milieu Ctrl+3|  En bas à droite Ctrl+4|"
                            "&Revenir à position sauvée Ctrl+R|-|&Démarrer avec la session"_qs;
        QCOMPARE(lignes(barre->PopupMenu),
                 u"&Quitter Alt+F4"_qs + milieu + u"[x] &Mode déplacer Ctrl+M"_qs + fin);
        QCOMPARE(lignes(barre->PopupMenuButt),
                 u"&Lancer Ctrl+Return|&Insérer (avant) Ctrl+A|Atteindre l'&original Ctrl+O|"
                 "&Configurer l'application Ctrl+C|&Détruire Shift+Del"_qs);
        // Opening, a menu focuses its kind of button under the mouse, the empty strip's opening
        // enabling only its first insertion.
        for (QWidget *w :
             std::initializer_list<QWidget *>{tiroir(barre, 1)->Bouton, barre->Liste->Bouton,
                                              barre->Bidon, tiroir(barre, 2)->Bouton}) {
            barre->Bidon->setFocus();
            QCursor::setPos(barre->pos() + w->geometry().center());
            barre->PopupMenuTiroirsPopup();
            barre->PopupMenuButtPopup();
            QCOMPARE(barre->focusWidget(), w);
        }
        QCOMPARE(lignes(barre->PopupMenuTiroirs),
                 u"&Ouvrir / Fermer Ctrl+Return (grisé)|Insérer un premier bouton Ctrl+P|"
                 "Choisir texte de l'info-&bulle Ctrl+B"_qs);
        TBarreDlg *ouvert = cliquer(barre, tiroir(barre, 0));
        ouvert->PopupMenuPopup();
        QCOMPARE(lignes(ouvert->PopupMenu), u"&Fermer cette fenêtre Alt+F4"_qs + milieu +
                                                u"&Mode déplacer Ctrl+M (grisé)"_qs + fin);
        taper(barre->Bidon, Qt::CTRL | Qt::Key_M);
        QVERIFY(!barre->Modedeplacer->isChecked());
        // The one place checked is the board's Position (5: none), the arrangement its Orientation.
        const QStringList places{u"En haut à gauche"_qs, u"En bas à gauche"_qs,
                                 u"En bas à droite"_qs, u"En bas au milieu"_qs, u"&Quelconque"_qs};
        for (int position = 0; position <= 5; ++position) {
            G.Position = quint8(position);
            G.Orientation = quint8(position % 2);
            ouvert->PopupMenuPopup();
            QCOMPARE(lignes(ouvert->Arra0).count(u"[x] &Vertical"_qs), position % 2);
            const QString vu = lignes(ouvert->Posi0);
            QCOMPARE(vu.count(u"[x]"_qs), int(position < 5));
            QVERIFY(position == 5 || vu.contains(u"[x] "_qs + places[position]));
        }
    }

    // The same keys mean different things by focus. The drawer menu's obey the state of the
    // focused strip's drawer, whatever the menu's last opening showed.
    void raccourcisSelonLeFocus() {
        TBoutonTiroir *plein = tiroir(barre, 0);
        TBoutonTiroir *vide = tiroir(barre, 2);
        int insertions = 0, premiers = 0;
        connect(barre->Inserer, &QAction::triggered, this, [&] { ++insertions; });
        connect(barre->InsererPremier, &QAction::triggered, this, [&] { ++premiers; });
        taper(barre->Liste->Bouton, Qt::CTRL | Qt::Key_A);
        QCOMPARE(insertions, 1);
        QCOMPARE(G.FermetureAuto, false);
        taper(plein->Bouton, Qt::CTRL | Qt::Key_A);
        QCOMPARE(G.FermetureAuto, true);
        QCOMPARE(insertions, 1);
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
        taper(plein->Bouton, (Qt::ControlModifier | Qt::KeypadModifier) | Qt::Key_Enter);
        QCOMPARE(plein->Barre->Tag, 0);
        // F10 opens the bar menu just inside the bar's corner, from a button too.
        barre->move(0, 0);
        QCOMPARE(barre->Bidon->geometry(), QRect(244, 16, 2, 2));
        taper(vide->Bouton, Qt::Key_F10);
        QTRY_VERIFY(barre->PopupMenu->isVisible());
        QCOMPARE(barre->PopupMenu->pos(), QPoint(10, 10));
    }
};

QTEST_MAIN(TestTiroirs)
#include "tst_tiroirs.moc"
