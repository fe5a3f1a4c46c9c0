#include "BancDialogues.h"
#include "dialogs/Aide.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/TChoixIconeDlg.h"
#include "dialogs/THintDlg.h"
#include "logic/Echelle.h"
#include "platform/Navigateur.h"
#include "platform/Programme.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QString texte(QWidget *w) {
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    return w->isWindow() ? w->windowTitle() : QString();
}

// The dialog itself, or its control named by its text, its object name or its class; «>» before
// a label's text names the field that the label's accelerator reaches.
QWidget *controle(QWidget *d, const QString &qui) {
    const QString nom = qui.startsWith(u'>') ? qui.mid(1) : qui;
    QList<QWidget *> candidats{d};
    candidats += d->findChildren<QWidget *>();
    for (QWidget *w : candidats)
        if (texte(w) == nom || w->objectName() == nom ||
            QLatin1StringView(w->metaObject()->className()) == nom)
            return nom == qui ? w : qobject_cast<QLabel *>(w)->buddy();
    return nullptr;
}

QString police(const QFont &f) {
    return (f.family() == u"Times New Roman" ? u"Times "_s : QString()) +
           (f.bold() ? u"gras"_s : u"normal"_s) + (f.italic() ? u" italique"_s : QString());
}

} // namespace

class TestPetitsDialogues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each dialog as it was designed: a control by its text, object name or class, its place
    // and size at 120 pixels per inch (x < 0: placed by its group; 0: sized to its text), its
    // font and its hint. The window's own place is on the screen.
    void dessin_data() {
        QTest::addColumn<int>("dialogue");
        QTest::addColumn<QString>("qui");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("police");
        QTest::addColumn<QString>("bulle");
        const auto r = [](int dialogue, const QString &qui, QRect rect, const QString &police,
                          const QString &bulle = {}) {
            QTest::addRow("%d %s", dialogue, qPrintable(qui))
                << dialogue << qui << rect << police << bulle;
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
        r(c, u"QFrame"_s, {7, 195, 514, 0}, g); // a line, no text
        r(c, u"E&xécutable : "_s, {19, 220, 0, 0}, n, exe);
        r(c, u">E&xécutable : "_s, {117, 217, 292, 24}, n, exe);
        r(c, u"P&arcourir ..."_s, {424, 214, 85, 29}, n);
        r(c, u"Icône n&uméro : "_s, {19, 272, 0, 0}, n);
        r(c, u">Icône n&uméro : "_s, {136, 268, 49, 26}, n);
        r(c, u"&Choisir"_s, {196, 265, 85, 29}, n, u"Choisir parmi les icônes"_s);
        r(c, u"&Sauver (BMP ou ICO)"_s, {288, 265, 161, 29}, n, u"Permet de modifier l'icône"_s);
        r(c, u"O&K"_s, {422, 328, 95, 33}, g);
        r(c, u"Ai&de"_s, {130, 328, 94, 33}, g);
        r(c, u"&Effacer"_s, {22, 328, 89, 33}, g,
          u"Efface toute la configuration présente (attention pas d'annulation possible)"_s);
        r(c, u"Taille au lancement"_s, {368, 80, 145, 105}, n);
        for (const QString &item : {u"&Normale"_s, u"&Maximale"_s, u"Ic&onifiée"_s})
            r(c, item, {-1, -1, 0, 0}, n);
        r(c, u"Annuler"_s, {312, 328, 95, 33}, g);
        r(h, u"Configurer l'info-bulle du tiroir"_s, {333, 302, 418, 93}, n);
        r(h, u"&Texte de l'info - bulle du tiroir :"_s, {17, 16, 0, 0}, n);
        r(h, u">&Texte de l'info - bulle du tiroir :"_s, {17, 52, 281, 29}, n);
        r(h, u"O&K"_s, {313, 50, 89, 33}, n);
        r(a, u"A propos de Tressola"_s, {0, 0, 406, 266}, n);
        r(a, u"Panel1"_s, {12, 10, 383, 201}, n);
        r(a, u"ProgramIcon"_s, {74, 18, 32, 32}, n);
        r(a, u"Tressola"_s, {142, 20, 0, 0}, u"Times gras"_s);
        r(a, u"Version : Windows 95 / 32bit / Français"_s, {27, 66, 329, 0},
          u"Times gras italique"_s);
        r(a, u"Copyright"_s, {83, 100, 0, 0}, g);
        r(a, u"Comments"_s, {73, 144, 236, 33}, n);
        r(a, u"OKButton"_s, {155, 223, 96, 33}, n);
        r(3, u"Choix de l'icône pour l'application"_s, {0, 0, 187, 103}, g);
    }

    void dessin() {
        QFETCH(int, dialogue);
        QFETCH(QString, qui);
        QFETCH(QRect, rect);
        QFETCH(QString, police);
        QFETCH(QString, bulle);
        BancDialogues banc;
        THintDlg hint;
        TAboutBox about;
        TChoixIconeDlg choix;
        QWidget *d = std::array<QWidget *, 4>{banc.dlg.get(), &hint, &about, &choix}[dialogue];
        QWidget *w = controle(d, qui);
        QVERIFY(w);
        const auto e = [d](int v) { return Echelle(v, d->logicalDpiY()); };
        if (w == d) {
            QCOMPARE(d->pos(), rect.topLeft().isNull() ? d->pos() : rect.topLeft());
            QCOMPARE(d->size(), QSize(e(rect.width()), e(rect.height())));
        } else {
            QVERIFY(w->isVisibleTo(d));
            QCOMPARE(w->pos(), rect.x() < 0 ? w->pos() : QPoint(e(rect.x()), e(rect.y())));
            QCOMPARE(w->width(), rect.width() ? e(rect.width()) : w->width());
            QCOMPARE(w->height(), rect.height() ? e(rect.height()) : w->height());
        }
        QCOMPARE(::police(w->font()), police);
        QCOMPARE(w->toolTip(), bulle);
    }

    // The system's own boxes, when no test answers them: their buttons, and what a key gives.
    void boites_data() {
        QTest::addColumn<int>("genre"); // 0: a message; 1: OK or Cancel; 2: Yes or No
        QTest::addColumn<int>("boutons");
        QTest::addColumn<int>("touche");
        QTest::addColumn<bool>("reponse");
        const int ok = QMessageBox::Ok | QMessageBox::Cancel;
        const int oui = QMessageBox::Yes | QMessageBox::No;
        const int entree = Qt::Key_Return, echap = Qt::Key_Escape;
        QTest::newRow("message") << 0 << int(QMessageBox::Ok) << entree << true;
        QTest::newRow("OK") << 1 << ok << entree << true;
        QTest::newRow("Annuler") << 1 << ok << echap << false;
        QTest::newRow("Oui") << 2 << oui << entree << true;
        QTest::newRow("Non") << 2 << oui << echap << false;
    }

    void boites() {
        QFETCH(int, genre);
        QFETCH(int, boutons);
        QFETCH(int, touche);
        QFETCH(bool, reponse);
        int vus = 0;
        quandModal([&](QWidget *modal) {
            auto *boite = qobject_cast<QMessageBox *>(modal);
            QVERIFY(boite);
            vus = int(boite->standardButtons());
            QCOMPARE(boite->text(), u"Texte"_s);
            QTest::keyClick(boite, Qt::Key(touche));
        });
        bool repondu = true;
        if (genre == 0)
            Messages::Afficher(u"Texte"_s);
        else
            repondu = genre == 1 ? Messages::DemanderOkAnnuler(u"Titre"_s, u"Texte"_s)
                                 : Messages::DemanderOuiNon(u"Texte"_s);
        QCOMPARE(vus, boutons);
        QCOMPARE(repondu, reponse);
    }

    void aPropos() {
        TAboutBox about;
        QWidget *focus = nullptr;
        quandModal([&](QWidget *modal) {
            QCOMPARE(modal, &about);
            focus = about.focusWidget();
            QTest::mouseClick(about.OKButton, Qt::LeftButton);
        });
        QCOMPARE(about.exec(), int(QDialog::Accepted));
        QCOMPARE(focus, about.OKButton);
    }

    // How the tooltip dialog ends: what the user typed stays in the field, for the caller to read
    // when it was accepted. Escape does nothing; closing the window gives up.
    void hintResultat_data() {
        QTest::addColumn<int>("touche"); // 0: a click on O&K
        QTest::addColumn<bool>("resteOuvert");

        QTest::newRow("clic sur O&K") << 0 << false;
        QTest::newRow("Entrée") << int(Qt::Key_Return) << false;
        QTest::newRow("Échap") << int(Qt::Key_Escape) << true;
    }

    void hintResultat() {
        QFETCH(int, touche);
        QFETCH(bool, resteOuvert);
        THintDlg hint;
        // A first showing closed with the focus on the button: the next one starts in the text all
        // the same.
        hint.show();
        hint.BitBtn1->setFocus();
        hint.hide();
        hint.Texte->setText(u"Ancien"_s);
        bool ouvert = false;
        quandModal([&](QWidget *modal) {
            QCOMPARE(modal, &hint);
            QCOMPARE(QApplication::focusWidget(), hint.Texte);
            QTest::keyClick(hint.Texte, Qt::Key_End);
            QTest::keyClicks(hint.Texte, u" texte"_s);
            if (touche == 0)
                QTest::mouseClick(hint.BitBtn1, Qt::LeftButton);
            else
                QTest::keyClick(hint.Texte, Qt::Key(touche));
            ouvert = hint.isVisible();
            hint.close();
        });
        QCOMPARE(hint.exec(), int(resteOuvert ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(ouvert, resteOuvert);
        QCOMPARE(hint.Texte->text(), u"Ancien texte"_s);
    }

    // The help page of a context, opened beside the executable; what fails is said.
    void aide_data() {
        QTest::addColumn<int>("contexte");
        QTest::addColumn<bool>("document");   // the help document is beside the executable
        QTest::addColumn<bool>("navigateur"); // something can open it
        QTest::addColumn<QString>("page");    // opened; empty: none
        QTest::addColumn<QString>("message");

        const QString absent = u"Le fichier d'aide est introuvable : $REP/aide/configurer.html"_s;
        const QString sansNavigateur =
            u"Aucun navigateur n'a pu ouvrir l'aide : $REP/aide/index.html"_s;
        QTest::newRow("contexte 14") << 14 << true << true << u"configurer.html"_s << QString();
        QTest::newRow("document absent") << 14 << false << true << QString() << absent;
        QTest::newRow("aucun navigateur")
            << 0 << true << false << u"index.html"_s << sansNavigateur;
    }

    void aide() {
        QFETCH(int, contexte);
        QFETCH(bool, document);
        QFETCH(bool, navigateur);
        QFETCH(QString, page);
        QFETCH(QString, message);
        QTemporaryDir rep;
        platform::simulerCheminProgramme(rep.filePath(u"tressola"_s));
        QStringList messages;
        Messages::DefinirRepondeur([&](Messages::Genre, const QString &, const QString &texte) {
            messages.append(texte);
            return true;
        });
        QList<QUrl> ouverts;
        platform::definirOuvreurUrl([&](const QUrl &url) {
            ouverts.append(url);
            return navigateur;
        });
        QVERIFY(QDir().mkpath(rep.filePath(u"aide"_s)));
        for (const QString &nom : {u"index.html"_s, u"configurer.html"_s}) {
            QFile f(rep.filePath(u"aide/"_s + nom));
            QVERIFY(!document || f.open(QIODevice::WriteOnly));
        }
        const bool ouvert = AfficherAide(contexte);
        platform::simulerCheminProgramme({});
        Messages::DefinirRepondeur({});
        platform::definirOuvreurUrl({});
        QCOMPARE(ouvert, document && navigateur);
        QCOMPARE(ouverts, page.isEmpty()
                              ? QList<QUrl>()
                              : QList<QUrl>{QUrl::fromLocalFile(rep.filePath(u"aide/"_s + page))});
        QCOMPARE(messages, message.isEmpty()
                               ? QStringList()
                               : QStringList{QString(message).replace(u"$REP"_s, rep.path())});
    }
};

QTEST_MAIN(TestPetitsDialogues)
#include "tst_petitsdialogues.moc"
