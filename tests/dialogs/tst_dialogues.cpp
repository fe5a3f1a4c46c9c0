#include "BancDialogues.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/TChoixIconeDlg.h"
#include "dialogs/THintDlg.h"
#include "logic/Echelle.h"
#include "platform/Navigateur.h"
#include "platform/Programme.h"
#include "support/Fichiers.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QStringList valeurs(const QString &ligne, const QString &repertoire, const QString &infobulle,
                    const QString &executable, const QString &numero = u"0"_s,
                    const QString &lancement = u"0"_s) {
    return {ligne, repertoire, infobulle, executable, numero, lancement};
}

// The dialog itself, or its control named by its text (a window's or a group's title), its object
// name or its class; «>» before a label's text names the field its accelerator reaches.
QWidget *controle(QWidget *d, const QString &qui) {
    const QString nom = qui.startsWith(u'>') ? qui.mid(1) : qui;
    for (QWidget *w : QList<QWidget *>{d} + d->findChildren<QWidget *>()) {
        const char *texte = w->isWindow() ? nullptr : w->inherits("QGroupBox") ? "title" : "text";
        if ((texte ? w->property(texte).toString() : w->windowTitle()) == nom ||
            w->objectName() == nom || QLatin1StringView(w->metaObject()->className()) == nom)
            return nom == qui ? w : qobject_cast<QLabel *>(w)->buddy();
    }
    return nullptr;
}

// Its font, and what else shows: a button's glyph, a label's centring and wrapping, a frame.
QString allure(QWidget *w) {
    const QFont f = w->font();
    auto *bouton = qobject_cast<QAbstractButton *>(w);
    auto *label = qobject_cast<QLabel *>(w);
    auto *cadre = qobject_cast<QFrame *>(w);
    return (f.family() == u"Times New Roman" ? u"Times "_s : QString()) +
           (f.bold() ? u"gras"_s : u"normal"_s) + (f.italic() ? u" italique"_s : QString()) +
           (bouton && !bouton->icon().isNull() ? u" glyphe"_s : QString()) +
           (label && label->alignment() & Qt::AlignHCenter ? u" centré"_s : QString()) +
           (label && label->wordWrap() ? u" replié"_s : QString()) +
           (!cadre || cadre->frameShape() == QFrame::NoFrame ? QString()
            : cadre->frameShadow() == QFrame::Sunken         ? u" creux"_s
                                                             : u" saillant"_s);
}

} // namespace

class TestDialogues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each dialog as designed: a control by its text, object name or class, its place and size at
    // 120 dpi (x < 0: placed by its group; 0: sized to its text), font and hint; a window's place
    // is on the screen.
    void dessin() {
        BancDialogues banc;
        THintDlg hint;
        TAboutBox about;
        TChoixIconeDlg choix;
        const std::array<QWidget *, 4> dialogues{banc.dlg.get(), &hint, &about, &choix};
        const auto r = [&](int dialogue, const QString &qui, QRect rect, const QString &police,
                           const QString &bulle = {}) {
            QWidget *d = dialogues[dialogue];
            QWidget *w = controle(d, qui);
            QVERIFY2(w, qPrintable(qui));
            const auto e = [d](int v) { return Echelle(v, d->logicalDpiY()); };
            if (w == d) {
                QCOMPARE(d->pos(), rect.topLeft().isNull() ? d->pos() : rect.topLeft());
                QCOMPARE(d->size(), QSize(e(rect.width()), e(rect.height())));
            } else {
                QVERIFY2(w->isVisibleTo(d), qPrintable(qui));
                QCOMPARE(w->pos(), rect.x() < 0 ? w->pos() : QPoint(e(rect.x()), e(rect.y())));
                QCOMPARE(w->width(), rect.width() ? e(rect.width()) : w->width());
                QCOMPARE(w->height(), rect.height() ? e(rect.height()) : w->height());
                // A label without a width shows all of its text.
                if (auto *l = qobject_cast<QLabel *>(w); l && !rect.width())
                    QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(
                                               QString(l->text()).remove(u'&')),
                             qPrintable(qui));
            }
            QCOMPARE(allure(w), police);
            QCOMPARE(w->toolTip(), bulle);
        };
        const QString n = u"normal"_s, g = u"gras"_s;
        const QString ligne = u"Ce qui devra être exécuté (à remplir en premier)"_s,
                      rep = u"(facultatif)"_s, bulle = u"Texte de l'info bulle"_s,
                      exe = u"Exécutable, icône ou bitmap dont on tire l'icône"_s;
        const int c = 0, h = 1, a = 2;
        r(c, u"Configurer une application"_s, {0, 0, 525, 370}, g);
        r(c, u"&Ligne de commande :"_s, {19, 19, 0, 0}, n, ligne);
        r(c, u">&Ligne de commande :"_s, {19, 41, 388, 24}, n, ligne);
        r(c, u"&Parcourir ..."_s, {424, 38, 85, 29}, n);
        r(c, u"&Répertoire de travail :"_s, {19, 76, 0, 0}, n, rep);
        r(c, u">&Répertoire de travail :"_s, {19, 99, 335, 24}, n, rep);
        r(c, u"&Info - bulle :"_s, {19, 132, 0, 0}, n, bulle);
        r(c, u">&Info - bulle :"_s, {19, 157, 335, 24}, n, bulle);
        r(c, u"QFrame"_s, {7, 195, 514, 0}, u"gras saillant"_s); // a line, no text
        r(c, u"E&xécutable : "_s, {19, 220, 0, 0}, n, exe);
        r(c, u">E&xécutable : "_s, {117, 217, 292, 24}, n, exe);
        r(c, u"P&arcourir ..."_s, {424, 214, 85, 29}, n);
        r(c, u"Icône n&uméro : "_s, {19, 272, 0, 0}, n);
        r(c, u">Icône n&uméro : "_s, {136, 268, 49, 26}, n);
        r(c, u"&Choisir"_s, {196, 265, 85, 29}, n, u"Choisir parmi les icônes"_s);
        r(c, u"&Sauver (BMP ou ICO)"_s, {288, 265, 161, 29}, n, u"Permet de modifier l'icône"_s);
        const QString gg = u"gras glyphe"_s, ng = u"normal glyphe"_s;
        r(c, u"O&K"_s, {422, 328, 95, 33}, gg);
        r(c, u"Ai&de"_s, {130, 328, 94, 33}, gg);
        r(c, u"&Effacer"_s, {22, 328, 89, 33}, gg,
          u"Efface toute la configuration présente (attention pas d'annulation possible)"_s);
        r(c, u"Taille au lancement"_s, {368, 80, 145, 105}, n);
        for (const QString &item : {u"&Normale"_s, u"&Maximale"_s, u"Ic&onifiée"_s})
            r(c, item, {-1, -1, 0, 0}, n);
        r(c, u"Annuler"_s, {312, 328, 95, 33}, gg);
        r(h, u"Configurer l'info-bulle du tiroir"_s, {333, 302, 418, 93}, n);
        r(h, u"&Texte de l'info - bulle du tiroir :"_s, {17, 16, 0, 0}, n);
        r(h, u">&Texte de l'info - bulle du tiroir :"_s, {17, 52, 281, 29}, n);
        r(h, u"O&K"_s, {313, 50, 89, 33}, ng);
        r(a, u"A propos de Tressola"_s, {0, 0, 406, 266}, n);
        r(a, u"Panel1"_s, {12, 10, 383, 201}, u"normal creux"_s);
        r(a, u"ProgramIcon"_s, {74, 18, 32, 32}, n);
        r(a, u"Tressola"_s, {142, 20, 0, 0}, u"Times gras"_s);
        r(a, u"Version : Windows 95 / 32bit / Français"_s, {27, 66, 329, 0},
          u"Times gras italique centré"_s);
        r(a, u"Copyright"_s, {83, 100, 0, 0}, g);
        r(a, u"Comments"_s, {73, 144, 236, 33}, u"normal centré replié"_s);
        r(a, u"OKButton"_s, {155, 223, 96, 33}, ng);
        r(3, u"Choix de l'icône pour l'application"_s, {0, 0, 187, 103}, g);
    }

    // The system's own questions, when no test answers them: Enter says yes, Escape no.
    void boites() {
        Messages::DefinirRepondeur({});
        const std::pair<bool, Qt::Key> cas[] = {
            {true, Qt::Key_Return}, {true, Qt::Key_Escape}, {false, Qt::Key_Escape}};
        for (const auto &[okAnnuler, touche] : cas) {
            quandModal([touche](QWidget *modal) {
                QVERIFY(qobject_cast<QMessageBox *>(modal));
                QTest::keyClick(modal, touche);
            });
            QCOMPARE(okAnnuler ? Messages::DemanderOkAnnuler(u"Titre"_s, u"Texte"_s)
                               : Messages::DemanderOuiNon(u"Texte"_s),
                     touche == Qt::Key_Return);
        }
    }

    // The tooltip dialog starts in its text at every showing; what was typed stays for the caller.
    // Escape does nothing; closing the window gives up.
    void hint() {
        for (const Qt::Key touche : {Qt::Key_Return, Qt::Key_Escape}) {
            const bool resteOuvert = touche == Qt::Key_Escape;
            THintDlg hint;
            hint.show();
            hint.BitBtn1->setFocus();
            hint.hide();
            hint.Texte->setText(u"Ancien"_s);
            bool ouvert = false;
            quandModal([&](QWidget *) {
                QCOMPARE(QApplication::focusWidget(), hint.Texte);
                QTest::keyClick(hint.Texte, Qt::Key_End);
                QTest::keyClicks(hint.Texte, u" texte"_s);
                QTest::keyClick(hint.Texte, touche);
                ouvert = hint.isVisible();
                hint.close();
            });
            QCOMPARE(hint.exec(), int(resteOuvert ? QDialog::Rejected : QDialog::Accepted));
            QCOMPARE(ouvert, resteOuvert);
            QCOMPARE(hint.Texte->text(), u"Ancien texte"_s);
        }
    }

    // The configuration dialog's help: its page beside the executable, or why it did not open.
    void aide() {
        QTemporaryDir rep;
        const QString page = rep.filePath(u"aide/configurer.html"_s);
        platform::simulerCheminProgramme(rep.filePath(u"tressola"_s));
        QList<QUrl> ouverts;
        platform::definirOuvreurUrl([&](const QUrl &url) {
            ouverts.append(url);
            return ouverts.size() > 1;
        });
        BancDialogues banc;
        banc.dlg->HelpBtn->click();
        QVERIFY(QDir().mkpath(rep.filePath(u"aide"_s)) && ecrireTout(page, {}));
        banc.dlg->HelpBtn->click();
        banc.dlg->HelpBtn->click();
        platform::simulerCheminProgramme({});
        platform::definirOuvreurUrl({});
        QCOMPARE(banc.messages,
                 QStringList({u"Le fichier d'aide est introuvable : "_s + page,
                              u"Aucun navigateur n'a pu ouvrir l'aide : "_s + page}));
        QCOMPARE(ouverts, QList<QUrl>(2, QUrl::fromLocalFile(page)));
    }

    // The user replaces the text of a control, then leaves it with a key (with its modifiers) or
    // closes the dialog from it; `resultat` -1: still open.
    void saisie() {
        const auto essai = [](int controle, const QStringList &avant, const QString &saisi,
                              int touche, int resultat, const QStringList &apres) {
            BancDialogues banc;
            TConfigDlg &d = *banc.dlg;
            remplir(d, avant);
            QWidget *w = std::array<QWidget *, 4>{d.LigneCommande, d.Repertoire, d.Numero,
                                                  d.EffacerBtn}[controle];
            quandModal([&](QWidget *) {
                w->setFocus();
                QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(w, Qt::Key_Delete);
                QTest::keyClicks(w, saisi);
                const auto combinaison = QKeyCombination::fromCombined(touche);
                if (combinaison.key() == Qt::Key_BracketLeft)
                    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_BracketLeft, '\x1b',
                                        combinaison.keyboardModifiers());
                else
                    QTest::keyClick(w, combinaison.key(), combinaison.keyboardModifiers());
                if (d.isVisible())
                    d.done(-1);
            });
            QCOMPARE(d.exec(), resultat);
            QCOMPARE(valeurs(d), apres);
        };
        const int l = 0, rep = 1, num = 2, effacer = 3;
        const QString g = u"/usr/bin/gedit"_s, _;
        const QStringList vides = valeurs(_, _, _, _);
        const auto numero = [&_](const QString &n) { return valeurs(_, _, _, _, n); };
        const int tab = Qt::Key_Tab, ret = Qt::Key_Return, ok = QDialog::Accepted;
        essai(l, vides, g, tab, -1, valeurs(g, u"/usr/bin/"_s, u"Gedit"_s, g));
        // Nothing the user wrote is overwritten.
        essai(l, valeurs(_, u"c"_s, u"b"_s, u"a"_s), g, tab, -1,
              valeurs(g, u"c"_s, u"b"_s, u"a"_s));
        essai(rep, vides, u"/tmp"_s, tab, -1, valeurs(_, u"/tmp/"_s, _, _));
        // Enter accepts from inside the field, which is then not left.
        essai(l, vides, g, ret, ok, valeurs(g, _, _, _));
        essai(l, vides, u"x"_s, Qt::Key_Escape, QDialog::Rejected, valeurs(u"x"_s, _, _, _));
        // An Escape that Cancel does not take, or the escape character of Ctrl+[, presses OK.
        for (const auto autreEchap :
             {Qt::ShiftModifier | Qt::Key_Escape, Qt::ControlModifier | Qt::Key_BracketLeft})
            essai(l, vides, _, autreEchap.toCombined(), ok, vides);
        // Clear empties everything, with no way back, and leaves the dialog open.
        essai(effacer, valeurs(g, u"/home/moi/"_s, u"Éditeur"_s, g, u"3"_s, u"2"_s), _,
              Qt::Key_Space, -1, vides);
        // The icon number takes any whole number; what is not one reads as 0.
        for (const QString &rien : {_, u"-"_s, u"+"_s})
            essai(num, numero(u"5"_s), rien, ret, ok, vides);
        essai(num, vides, u"7"_s, Qt::Key_Up, -1, numero(u"8"_s));
        essai(num, vides, u"-2147483648"_s, ret, ok, numero(u"-2147483648"_s));
    }

    // The two browse buttons: what the file dialog is asked, and what the fields hold after it.
    void parcourir() {
        // `icone`: the icon source's button, else the command line's; `choisi` empty: cancelled.
        const auto essai = [](bool icone, const QString &champ, const QString &choisi,
                              const QString &nom, const QString &repertoire,
                              const QStringList &apres) {
            BancDialogues banc;
            TConfigDlg &d = *banc.dlg;
            (icone ? d.Executable : d.LigneCommande)->setText(champ);
            banc.fichier = choisi;
            (icone ? d.Parcourir2 : d.Parcourir1)->click();
            QCOMPARE(banc.demandes.size(), 1);
            const Fichiers::Demande &demande = banc.demandes.constFirst();
            const QString programmes = u"Programmes (*)"_s, tout = u"Tout (*)"_s;
            const QStringList filtres =
                icone ? QStringList{u"Fichiers contenant des icônes (*.exe *.dll *.ico *.bmp "
                                    "*.png *.svg *.xpm *.desktop)"_s,
                                    programmes, tout}
                      : QStringList{programmes, u"Executables (*.exe *.bat *.com)"_s, tout};
            QCOMPARE(demande.filtres, filtres);
            QCOMPARE(demande.nom, nom);
            QCOMPARE(demande.repertoire, repertoire);
            QCOMPARE(valeurs(d), apres);
        };
        const QString g = u"/usr/bin/gedit"_s, app = u"/opt/Mon App/app"_s, _;
        const QString dll = u"/usr/lib/x.dll"_s;
        // The arguments are replaced, and the chosen name gets no quotes.
        essai(false, u"/usr/bin/gedit /tmp/a.txt"_s, app, u"a.txt"_s, u"/usr/bin/gedit /tmp/"_s,
              valeurs(app, u"/opt/Mon App/"_s, u"App"_s, app));
        // Cancelled: the empty fields are filled all the same.
        essai(false, g, _, u"gedit"_s, u"/usr/bin/"_s, valeurs(g, u"/usr/bin/"_s, u"Gedit"_s, g));
        essai(true, u"/usr/share/icons/gedit.png"_s, dll, u"gedit.png"_s, u"/usr/share/icons/"_s,
              valeurs(_, _, _, dll));
    }

    // What each browse shows at first in a real folder: the programs of this system for the command
    // line, every file the icon readers take for the icon source.
    void filtresParcourir() {
        const QStringList icones{u"a.bmp"_s, u"a.ico"_s,     u"a.png"_s, u"a.svg"_s,
                                 u"a.xpm"_s, u"b.desktop"_s, u"c.dll"_s, u"c.exe"_s};
        const QStringList programmes{u"prog"_s, u"script.sh"_s};
        QTemporaryDir dossier;
        for (const QString &nom : icones + programmes + QStringList{u"notes.txt"_s})
            QVERIFY(ecrireTout(dossier.filePath(nom), {}));
        for (const QString &nom : programmes)
            QVERIFY(QFile(dossier.filePath(nom)).setPermissions(QFile::ExeOwner));
        for (const bool icone : {false, true}) {
            BancDialogues banc;
            Fichiers::DefinirRepondeur({});
            TConfigDlg &d = *banc.dlg;
            (icone ? d.Executable : d.LigneCommande)->setText(dossier.filePath(u"zz"_s));
            bool vu = false;
            quandModal([&](QWidget *modal) {
                QTRY_COMPARE(nomsVus(modal), icone ? icones : programmes);
                vu = true;
            });
            (icone ? d.Parcourir2 : d.Parcourir1)->click();
            QVERIFY(vu);
        }
    }

    // Shown first centred on the 800 x 800 screen, and where it was left afterwards; the keyboard
    // goes through the controls in their order, «&Normale» chosen.
    void ordreDesTabulations() {
        BancDialogues banc;
        TConfigDlg &d = *banc.dlg;
        QWidget *normale = d.RadioGroup->Items[0];
        const QList<QWidget *> attendu{d.LigneCommande, d.Parcourir1, d.Repertoire,   d.Infobulle,
                                       d.Executable,    d.Parcourir2, d.Numero,       d.Choisir,
                                       d.SauverBMP,     d.OKBtn,      d.HelpBtn,      d.EffacerBtn,
                                       normale,         d.CancelBtn,  d.LigneCommande};
        QList<QWidget *> ordre;
        QList<QPoint> places;
        const auto parcourir = [&](QWidget *) {
            places.append(d.pos());
            ordre = {QApplication::focusWidget()};
            while (ordre.size() < 15) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                ordre.append(QApplication::focusWidget());
            }
        };
        quandModal(parcourir);
        d.exec();
        d.move(10, 20);
        quandModal(parcourir);
        d.exec();
        QCOMPARE(ordre, attendu);
        const int dpi = d.logicalDpiY();
        const QPoint centre((800 - Echelle(525, dpi)) / 2, (800 - Echelle(370, dpi)) / 2);
        QCOMPARE(places, QList<QPoint>({centre, QPoint(10, 20)}));
    }
};

QTEST_MAIN(TestDialogues)
#include "tst_dialogues.moc"
