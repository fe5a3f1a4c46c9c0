#include "tray/TTrayIcon.h"

#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace Qt::StringLiterals;

// The tray icon on a real notification area: Xvfb, openbox and trayer, clicked with xdotool.
class TestPlateauReel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void barreDesTaches_data();
    void barreDesTaches();
    void clics();

private:
    static void xdotool(const QStringList &arguments) {
        QProcess p;
        p.start(u"xdotool"_s, arguments);
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
    }
    static QString etatFenetre(const QWidget &fenetre) {
        QProcess p;
        p.start(u"xprop"_s, {u"-id"_s, QString::number(fenetre.winId()), u"_NET_WM_STATE"_s});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

void TestPlateauReel::barreDesTaches_data() {
    QTest::addColumn<bool>("montreeAvant");
    QTest::newRow("barre montree avant l'icone") << true;
    QTest::newRow("barre montree apres l'icone") << false;
}

// The bar loses its taskbar entry, whether it was shown before or after, and can get it back.
void TestPlateauReel::barreDesTaches() {
    QFETCH(bool, montreeAvant);
    QWidget barre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    barre.setGeometry(100, 100, 200, 50);
    if (montreeAvant) {
        barre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&barre));
    }
    TTrayIcon icone(&barre);
    if (!montreeAvant) {
        barre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&barre));
    }
    const QString sansEntree = u"_NET_WM_STATE_SKIP_TASKBAR"_s;
    QTRY_VERIFY2(etatFenetre(barre).contains(sansEntree), qPrintable(etatFenetre(barre)));
    icone.SetShowApp(true);
    QTRY_VERIFY2(!etatFenetre(barre).contains(sansEntree), qPrintable(etatFenetre(barre)));
}

void TestPlateauReel::clics() {
    QVERIFY(QSystemTrayIcon::isSystemTrayAvailable());
    QWidget barre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    barre.setGeometry(100, 100, 200, 50);
    barre.show();

    QMenu menu;
    QAction *quitter = menu.addAction(u"&Quitter"_s);
    int ouvertures = 0, declenchements = 0;
    connect(&menu, &QMenu::aboutToShow, this, [&ouvertures] { ++ouvertures; });
    connect(quitter, &QAction::triggered, this, [&declenchements] { ++declenchements; });

    auto *icone = new TTrayIcon(&barre);
    QStringList evenements;
    QPixmap rouge(22, 22);
    rouge.fill(Qt::red);
    icone->SetIcon(QIcon(rouge));
    icone->SetToolTip(u"Tressola"_s);
    icone->OnClick = [&evenements](TTrayIcon *) { evenements.append(u"clic"_s); };
    icone->OnDblClick = [&evenements](TTrayIcon *) { evenements.append(u"double"_s); };
    icone->OnRightClick = [&evenements, &menu](TTrayIcon *, Qt::MouseButton, Qt::KeyboardModifiers,
                                               int, int) {
        // Raised once the menu has closed.
        evenements.append(menu.isVisible() ? u"droit, menu ouvert"_s : u"droit"_s);
    };
    icone->PopupMenu = &menu;
    icone->SetShowApp(false);
    icone->SetActive(true);

    // The icon has its size at once, and its place once the tray host has embedded it.
    QTRY_VERIFY(!icone->Geometrie().isEmpty() && icone->Geometrie().topLeft() != QPoint(0, 0));
    const QRect g = icone->Geometrie();
    const QPoint centre = g.center();
    xdotool({u"mousemove"_s, QString::number(centre.x()), QString::number(centre.y())});

    xdotool({u"click"_s, u"1"_s});
    QTRY_COMPARE(evenements, QStringList{u"clic"_s});

    // The menu opens modally from the event loop: close it with Escape once it is seen.
    bool menuVu = false;
    QTimer guet;
    connect(&guet, &QTimer::timeout, this, [&] {
        if (menu.isVisible() && !menuVu) {
            menuVu = true;
            QProcess::startDetached(u"xdotool"_s, {u"key"_s, u"Escape"_s});
        }
    });
    guet.start(20);
    evenements.clear();
    xdotool({u"click"_s, u"3"_s});
    QTRY_COMPARE(evenements, QStringList{u"droit"_s});
    QVERIFY(menuVu);
    QCOMPARE(ouvertures, 1);
    QCOMPARE(declenchements, 0);
    guet.stop();

    evenements.clear();
    xdotool({u"click"_s, u"--repeat"_s, u"2"_s, u"--delay"_s, u"80"_s, u"1"_s});
    QTRY_VERIFY(evenements.contains(u"double"_s));
    QCOMPARE(evenements.first(), u"clic"_s);

    icone->SetActive(false);
    QVERIFY(icone->Geometrie().isEmpty());
    delete icone;
}

QTEST_MAIN(TestPlateauReel)
#include "tst_plateau_reel.moc"
