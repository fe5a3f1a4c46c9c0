#include "support/Banc.h"

#include <QDir>

// Launching from buttons a program of the tests that records its working directory and arguments.
class TestLancement : public QObject {
    Q_OBJECT

    QTemporaryDir rep_;
    QString temoin_;    // its working directory and arguments, once started
    QString programme_; // the program, in a folder whose name holds a space
    QString dossier_;   // a working directory
    QString depart_;    // the process's directory before the tests
    std::optional<Banc> banc;
    TBarreDlg *barre = nullptr;

private Q_SLOTS:
    void initTestCase() {
        depart_ = QDir::currentPath();
        temoin_ = rep_.filePath(u"temoin.out"_qs);
        qputenv("TRESSOLA_TEMOIN", temoin_.toUtf8());
        QDir(rep_.path()).mkpath(u"mon dossier"_qs);
        QDir(rep_.path()).mkpath(u"travail"_qs);
        programme_ = rep_.filePath(u"mon dossier/témoin"_qs);
        QVERIFY(QFile::copy(QStringLiteral(TEMOIN_SH), programme_));
        QFile::setPermissions(programme_, QFile::permissions(programme_) | QFile::ExeOwner);
        dossier_ = rep_.filePath(u"travail"_qs);
    }
    // Each test starts on a bar of one button that starts the program, focused.
    void init() {
        QDir::setCurrent(depart_);
        barre = banc.emplace().demarrer("[MAIN]\n0LigCom=\"" + programme_.toUtf8() +
                                        "\" \"a b\" '$HOME' `id` ;ls\nNombre=1\n");
        barre->Liste->Bouton->setFocus();
    }
    void cleanup() { banc.reset(); }

    // A plain click on a button is a drag released where it started: a launch, its arguments as
    // they are with no shell between. With Shift or Ctrl the press only focuses the button.
    void clicSurUnBouton() {
        QTest::mouseClick(barre->Liste->Bouton, Qt::LeftButton);
        QCOMPARE(lireTemoin(temoin_),
                 (QStringList{depart_, u"a b"_qs, u"'$HOME'"_qs, u"`id`"_qs, u";ls"_qs}));
        QTest::mouseClick(barre->Liste->Bouton, Qt::LeftButton, Qt::ShiftModifier);
        QVERIFY(lireTemoin(temoin_, 500).isEmpty());
    }

    // A launch from a drawer hides it when drawers close by themselves, even after the
    // working-directory message, and starts where the process stands. One from the main bar hides
    // no bar and starts in its button's directory, with or without its trailing separator.
    void tiroirsAutomatiques_data() {
        QTest::addColumn<bool>("automatiques");
        QTest::newRow("oui") << true;
        QTest::newRow("non") << false;
    }
    void tiroirsAutomatiques() {
        QFETCH(bool, automatiques);
        barre = banc.emplace().demarrer(
            "[TRESSOLA]\nFermetureAuto=" + QByteArray::number(automatiques) +
            "\n[MAIN]\n0NomSection=SECTION0\nNombre=1\n[SECTION0]\n0LigCom=" + programme_.toUtf8() +
            "\n0WDir=/nulle/part/\nNombre=1\n");
        TBarreDlg *tiroir = cliquer(barre, barre->ListeTiroirs);
        tiroir->Liste->Bouton->setFocus();
        tiroir->LancerClick();
        QCOMPARE(lireTemoin(temoin_), QStringList{depart_});
        QCOMPARE(tiroir->isVisible(), !automatiques);
        QCOMPARE(banc->messages, QStringList{u"Mauvais répertoire de travail !"_qs});
        if (automatiques)
            cliquer(barre, barre->ListeTiroirs);
        barre->Liste->LigCom = programme_;
        barre->Liste->WDir = automatiques ? dossier_ + u'/' : dossier_;
        barre->Liste->Bouton->setFocus();
        barre->LancerClick();
        QCOMPARE(lireTemoin(temoin_).value(0), dossier_);
        QVERIFY(tiroir->isVisible());
        QVERIFY(barre->isVisible());
    }

    // A line that does not start says which program and why; a blank button says nothing.
    void echecSignale_data() {
        QTest::addColumn<QString>("ligCom"); // $R: the temporary directory
        QTest::addColumn<QString>("message");
        const QString introuvable = u"Impossible de lancer « %1 » : programme introuvable."_qs;
        const QString inerte =
            u"Impossible de lancer « %1 » : ce n'est pas un programme exécutable."_qs;
        QTest::newRow("absent") << u"$R/absent"_qs << introuvable.arg(u"$R/absent"_qs);
        QTest::newRow("arguments sans guillemets")
            << u"$R/mon dossier/témoin -x"_qs << introuvable.arg(u"$R/mon dossier/témoin -x"_qs);
        QTest::newRow("dossier déposé") << u"\"$R/travail\""_qs << inerte.arg(u"$R/travail"_qs);
        QTest::newRow("introuvable par PATH")
            << u"\"absent-de-partout\" -x"_qs << introuvable.arg(u"absent-de-partout"_qs);
        QTest::newRow("bouton vide") << QString() << QString();
    }
    void echecSignale() {
        QFETCH(QString, ligCom);
        QFETCH(QString, message);
        barre->Liste->LigCom = ligCom.replace(u"$R"_qs, rep_.path());
        barre->LancerClick();
        QCOMPARE(banc->messages.join(u'\n'), message.replace(u"$R"_qs, rep_.path()));
    }
};

QTEST_MAIN(TestLancement)
#include "tst_lancement.moc"
