#include "board/TIniFile.h"
#include "dialogs/BancDialogues.h"
#include "support/Banc.h"

#include <QPushButton>

namespace {

// A blank button and a filled one; drawer 0 holds two buttons, drawer 1 is reserved and empty.
const QByteArray Tableau = "[TRESSOLA]\nPosition=0\n"
                           "[MAIN]\n0LigCom=\n0NomSection=SECTION0\n1LigCom=/bin/plein\n"
                           "1WDir=/tmp/\n1Hint=Plein\n1Name=/bin/plein\n1Icon=2\n1Lancement=1\n"
                           "1NomSection=SECTION1\nNombre=2\n"
                           "[SECTION0]\n0LigCom=/bin/tiroir\n0Hint=Tiroir\n0WDir=/srv/\n0Icon=4\n"
                           "0Name=/bin/tiroir\n0Lancement=2\n1LigCom=y\nNombre=2\n"
                           "[SECTION1]\nNombre=0\n";

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

} // namespace

class TestEdition : public QObject {
    Q_OBJECT
    std::optional<Banc> banc;
    TBarreDlg *barre = nullptr;

    QString lu(const QString &section, const QString &cle) const {
        return TIniFile(banc->tableau()).ReadString(section, cle, u"(absent)"_qs);
    }
    QStringList champsLus(const QString &section, int i) const {
        QStringList l;
        for (const char *cle : {"LigCom", "WDir", "Hint", "Name", "Icon", "Lancement"})
            l.append(lu(section, QString::number(i) + QLatin1String(cle)));
        return l;
    }

private Q_SLOTS:
    // Each test starts on Tableau; one on another board starts a bench of its own.
    void init() { barre = banc.emplace().demarrer(Tableau); }
    void cleanup() { banc.reset(); }

    // The new slot's drawer gets a section no slot names, even one whose section was erased. The
    // bar, grown past the right edge of a screen wider than tall, ends at that edge.
    void insererALaFin() {
        barre = banc.emplace().demarrer(
            "[TRESSOLA]\nPosition=0\n[MAIN]\n0LigCom=a\n0NomSection=SECTION0\nNombre=1\n");
        G.LargeurEcran = 1280;
        G.HauteurEcran = 800;
        barre->move(1200, 300);
        barre->InsererFinClick();
        QCOMPARE(barre->geometry(), QRect(1280 - 93, 300, 93, 65));
        // Each save puts the buttons first in the Tab order, the last one of the list first.
        QList<QWidget *> tab;
        for (QWidget *w = barre->nextInFocusChain(); w != barre; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                tab.append(w);
        QCOMPARE(tab, (QList<QWidget *>{barre->Liste->Suivant->Bouton, barre->Liste->Bouton,
                                        barre->Bidon, barre->ListeTiroirs->Bouton,
                                        barre->ListeTiroirs->Suivant->Bouton}));
        QCOMPARE(banc->lire(),
                 QByteArray("[TRESSOLA]\nPosition=0\n[SECTION1]\nNombre=0\n[MAIN]\n0LigCom=a\n"
                            "0Lancement=0\n0WDir=\n0Name=\n0Icon=-1\n0Hint=\n0NomSection=SECTION0\n"
                            "1LigCom=\n1Lancement=0\n1WDir=\n1Name=\n1Icon=-1\n1Hint=\n"
                            "1NomSection=SECTION1\nNombre=2\n"));
        QCOMPARE(barre->focusWidget(), barre->Liste->Suivant->Bouton);
    }

    // The open drawer follows its strip, a slot further.
    void insererAvantLePremier() {
        const QPoint place = cliquer(barre, barre->ListeTiroirs)->pos();
        barre->Liste->Bouton->setFocus();
        barre->InsererClick();
        QCOMPARE(barre->ListeTiroirs->Suivant->Barre->pos(), place + QPoint(47, 0));
        QCOMPARE(commandes(barre), (QStringList{QString(), QString(), u"/bin/plein"_qs}));
        QCOMPARE(tiroirs(barre), (QStringList{u"SECTION2"_qs, u"SECTION0"_qs, u"SECTION1"_qs}));
        QCOMPARE(lu(u"MAIN"_qs, u"0NomSection"_qs), u"SECTION2"_qs);
        QCOMPARE(lu(u"MAIN"_qs, u"2LigCom"_qs), u"/bin/plein"_qs);
    }

    // An empty drawer gets its first button; deleting it takes the drawer, which refills.
    void premierEtDernierBoutonDUnTiroir() {
        TBoutonTiroir *t = barre->ListeTiroirs->Suivant;
        t->Bouton->setFocus();
        barre->InsererPremierClick();
        QCOMPARE(banc->lire().split('[').last(),
                 QByteArray("SECTION1]\nNombre=1\n0LigCom=\n0Lancement=0\n0WDir=\n0Name=\n"
                            "0IsBmp=0\n0Icon=-1\n0Hint=\n"));
        QVERIFY(t->Barre && t->Barre->isVisible() && !t->Bouton->icon().isNull());
        QCOMPARE(commandes(t->Barre), QStringList{QString()});
        t->Barre->DetruireClick();
        QVERIFY(banc->messages.isEmpty());
        QVERIFY(!t->Barre);
        QVERIFY(t->Bouton->icon().isNull());
        QVERIFY(!TIniFile(banc->tableau()).SectionExists(u"SECTION1"_qs));
        t->Bouton->setFocus();
        barre->InsererPremierClick();
        QVERIFY(t->Barre);
        QCOMPARE(lu(u"SECTION1"_qs, u"Nombre"_qs), u"1"_qs);
    }

    // A slot that the board gives no section gets a fresh one for its first button.
    void premierBoutonSansSection() {
        barre = banc.emplace().demarrer("[MAIN]\n0LigCom=a\nNombre=1\n[SECTION0]\n0LigCom=b\n");
        barre->ListeTiroirs->Bouton->setFocus();
        barre->InsererPremierClick();
        QCOMPARE(tiroirs(barre), QStringList{u"SECTION1"_qs});
        QCOMPARE(lu(u"SECTION1"_qs, u"Nombre"_qs), u"1"_qs);
    }

    // Deleting a slot takes its drawer (drawer 0 open meanwhile): a full one, or one whose section
    // was erased, when the user agrees; a reserved one unasked. The last slot cannot be deleted.
    void detruireUnCreneau_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<bool>("efface"); // the drawer's section erased from the board first
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("question");
        QTest::addColumn<QStringList>("restent");
        const QStringList deux{QString(), u"/bin/plein"_qs};
        QTest::newRow("tiroir plein, annuler") << 0 << false << false << true << deux;
        QTest::newRow("tiroir plein, ok")
            << 0 << false << true << true << QStringList{u"/bin/plein"_qs};
        QTest::newRow("tiroir reserve") << 1 << false << false << false << QStringList{QString()};
        QTest::newRow("tiroir efface, annuler") << 1 << true << false << true << deux;
    }
    void detruireUnCreneau() {
        QFETCH(int, indice);
        QFETCH(bool, efface);
        QFETCH(bool, ok);
        QFETCH(bool, question);
        QFETCH(QStringList, restent);
        QPointer<TBarreDlg> ouvert = cliquer(barre, barre->ListeTiroirs);
        if (efface)
            TIniFile(banc->tableau()).EraseSection(u"SECTION%1"_qs.arg(indice));
        const QByteArray avant = banc->lire();
        const QString section = u"SECTION%1"_qs.arg(indice);
        banc->reponse = ok;
        (indice == 0 ? barre->Liste : barre->Liste->Suivant)->Bouton->setFocus();
        barre->DetruireClick();
        QCOMPARE(banc->messages, question ? QStringList{u"Vous voulez effacer tout le tiroir ?"_qs}
                                          : QStringList{});
        QCOMPARE(commandes(barre), restent);
        if (restent.size() == 2) {
            QCOMPARE(banc->lire(), avant);
            QVERIFY(ouvert && ouvert->isVisible());
            return;
        }
        QCOMPARE(barre->size(), QSize(46, 65));
        QVERIFY(!tiroirs(barre).contains(section));
        QVERIFY(!TIniFile(banc->tableau()).SectionExists(section));
        QCOMPARE(lu(u"MAIN"_qs, u"0NomSection"_qs), tiroirs(barre).first());
        QCOMPARE(lu(u"MAIN"_qs, u"Nombre"_qs), u"1"_qs);
        QCOMPARE(ouvert && ouvert->isVisible(), indice != 0);
        // The main bar's last button stays.
        const QByteArray reste = banc->lire();
        banc->messages.clear();
        barre->DetruireClick();
        QCOMPARE(banc->messages,
                 QStringList{u"C'est le dernier bouton, on ne peut pas le détruire!"_qs});
        QCOMPARE(banc->lire(), reste);
    }

    // The configuration dialog edits the focused button, the hint dialog the focused strip; only
    // OK changes it and writes.
    void configurer() {
        TBoutonAppli *r = barre->Liste->Suivant;
        r->Bouton->setFocus();
        const QByteArray avant = banc->lire();
        const QStringList saisis =
            u"\"/opt/Mon App/app\" -x|/opt/|Mon app|/opt/app.ico|3|2"_qs.split(u'|');
        for (bool ok : {false, true}) {
            quandModal([&](QWidget *modal) {
                auto *d = qobject_cast<TConfigDlg *>(modal);
                QCOMPARE(valeurs(*d), champsLus(u"MAIN"_qs, 1));
                remplir(*d, saisis);
                (ok ? d->OKBtn : d->CancelBtn)->click();
            });
            barre->ConfigurerAppliClick();
            if (!ok)
                QCOMPARE(banc->lire(), avant);
        }
        QCOMPARE(r->Bouton->toolTip(), u"Mon app"_qs);
        QCOMPARE(champsLus(u"MAIN"_qs, 1), saisis);
        // A text the board file would give back cut: refused, shown again as typed.
        const QString long_ = QString(1024, u'x');
        const QByteArray apres = banc->lire();
        QString revu;
        r->Bouton->setFocus();
        QTimer pas;
        connect(&pas, &QTimer::timeout, this, [&] {
            if (auto *d = qobject_cast<TConfigDlg *>(QApplication::activeModalWidget())) {
                revu = d->Repertoire->text();
                d->Repertoire->setText(long_);
                (banc->messages.isEmpty() ? d->OKBtn : d->CancelBtn)->click();
            }
        });
        pas.start(10);
        barre->ConfigurerAppliClick();
        QCOMPARE(revu, long_);
        QCOMPARE(banc->messages,
                 QStringList{u"Ce texte est trop long : 1023 caractères au plus."_qs});
        QCOMPARE(banc->lire(), apres);
        // A strip's hint, by its own dialog.
        TBoutonTiroir *t = barre->ListeTiroirs->Suivant;
        t->Bouton->setFocus();
        QTimer::singleShot(0, this, [] {
            auto *d = qobject_cast<THintDlg *>(QApplication::activeModalWidget());
            d->Texte->setText(u"Jeux"_qs);
            d->accept();
        });
        barre->ConfigHintClick();
        QCOMPARE(t->Bouton->toolTip(), u"Jeux"_qs);
        QCOMPARE(lu(u"MAIN"_qs, u"1THint"_qs), u"Jeux"_qs);
    }

    // A desktop entry dropped on a blank button stands for the program it starts.
    void depotDUneEntreeDeBureau() {
        const QString entree = banc->rep.filePath(u"editeur.desktop"_qs);
        // A translated name and an action's group must not stand in for the entry's own.
        QVERIFY(ecrireTout(entree, "[Desktop Entry]\nName=Éditeur de textes\nName[de]=Texteditor\n"
                                   "Exec=\"/opt/Mon Editeur/edit\" --nouvelle-fenetre %U\n"
                                   "Path=/home/moi\n[Desktop Action fenetre]\nName=Fenêtre\n"
                                   "Exec=/opt/autre\nPath=/tmp\n"));
        barre->WMDropFiles({entree}, QPoint(10, 30));
        QCOMPARE(champsLus(u"MAIN"_qs, 0),
                 (QStringList{u"\"/opt/Mon Editeur/edit\" --nouvelle-fenetre"_qs, u"/home/moi/"_qs,
                              u"Éditeur de textes"_qs, entree, u"0"_qs, u"0"_qs}));
        QVERIFY(banc->messages.isEmpty());
    }

    // A name, or a desktop entry's content, that would break the board file or the command line,
    // or come back cut, is refused with a message.
    void depotsRefuses_data() {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QByteArray>("contenu"); // of a desktop entry, written first
        QTest::newRow("saut de ligne") << u"/tmp/a\n[MAIN]"_qs << QByteArray();
        QTest::newRow("retour chariot") << u"/tmp/a\rb"_qs << QByteArray();
        QTest::newRow("guillemet") << u"/tmp/a\"b"_qs << QByteArray();
        QTest::newRow("nom trop long") << u"/tmp/"_qs + QString(1100, u'a') << QByteArray();
        QTest::newRow("entrée, Exec")
            << u"e.desktop"_qs << QByteArray("[Desktop Entry]\nExec=\"/bin/a\rb\" %f\n");
        QTest::newRow("entrée, Path trop long")
            << u"e.desktop"_qs
            << "[Desktop Entry]\nExec=/bin/x\nPath=/" + QByteArray(1100, 'p') + "\n";
    }
    void depotsRefuses() {
        QFETCH(QString, fichier);
        QFETCH(QByteArray, contenu);
        if (!contenu.isEmpty()) {
            fichier = banc->rep.filePath(fichier);
            QVERIFY(ecrireTout(fichier, contenu));
        }
        const QByteArray avant = banc->lire();
        barre->WMDropFiles({fichier}, QPoint(10, 30));
        QCOMPARE(banc->lire(), avant);
        QVERIFY(barre->Liste->LigCom.isEmpty());
        QCOMPARE(banc->messages.size(), 1);
    }

    // A drawer's button dragged onto one of the main bar is copied, every field, onto a filled one
    // only when the user agrees. The drawer keeps its own.
    void copieParGlisser() {
        TBarreDlg *tiroir = cliquer(barre, barre->ListeTiroirs);
        G.BarreSource = tiroir;
        const QStringList tiroirAvant = champsLus(u"SECTION0"_qs, 0);
        banc->reponse = false;
        barre->MyDragDrop(barre->Liste->Suivant->Bouton, tiroir->Liste->Bouton);
        QCOMPARE(banc->messages, QStringList{u"Ecraser le bouton de /bin/plein ?"_qs});
        QCOMPARE(lu(u"MAIN"_qs, u"1LigCom"_qs), u"/bin/plein"_qs);
        banc->messages.clear();
        barre->MyDragDrop(barre->Liste->Bouton, tiroir->Liste->Bouton);
        QVERIFY(banc->messages.isEmpty());
        QCOMPARE(champsLus(u"MAIN"_qs, 0), tiroirAvant);
        QCOMPARE(champsLus(u"SECTION0"_qs, 0), tiroirAvant);
    }
};

QTEST_MAIN(TestEdition)
#include "tst_edition.moc"
