#include "tray/TTrayIcon.h"

#include <QApplication>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A notification area that journals what it is asked, naming an icon by the colour of its pixels.
class PlateauTemoin : public PlateauNotification {
public:
    explicit PlateauTemoin(QStringList &journal) : journal_(journal) {}

    bool Ajouter(const DonneesNotification &d) override { return Noter(u"Ajouter"_s, d); }
    bool Modifier(const DonneesNotification &d) override { return Noter(u"Modifier"_s, d); }
    bool Supprimer(const DonneesNotification &d) override { return Noter(u"Supprimer"_s, d); }
    void MontrerApplication(bool) override {}
    void ApplicationAuPremierPlan() override {}
    QPoint PositionSouris() override { return {}; }
    void TraiterMessagesEnAttente() override {}
    void OuvrirMenu(QMenu *menu, const QPoint &) override {
        journal_.append(u"Menu"_s);
        delete menu->property("aDetruire").value<QObject *>();
    }
    QRect Geometrie() const override { return {}; }

private:
    bool Noter(const QString &operation, const DonneesNotification &d) {
        const QImage image = d.icone.pixmap(16).toImage();
        const QString icone = d.icone.isNull() ? u"-"_s : image.pixelColor(0, 0).name();
        journal_.append(u"%1(%2,%3)"_s.arg(operation, icone, d.infobulle));
        return true;
    }
    QStringList &journal_;
};

// A new icon, owned by an object that stands for the main bar, on a recording area.
struct Essai {
    QStringList journal;
    QPointer<QObject> proprietaire = new QObject;
    QPointer<TTrayIcon> icone =
        new TTrayIcon(proprietaire, std::make_unique<PlateauTemoin>(journal));
    ~Essai() { delete proprietaire; }
};

QIcon unie(Qt::GlobalColor couleur) {
    QPixmap p(16, 16);
    p.fill(couleur);
    return QIcon(p);
}

QString Lancer(const QString &programme, const QStringList &arguments) {
    QProcess p;
    p.start(programme, arguments);
    return p.waitForFinished() && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput())
                                                    : u"echec"_s;
}

QString EtatFenetre(const QWidget &fenetre) {
    return Lancer(u"xprop"_s, {u"-id"_s, QString::number(fenetre.winId()), u"_NET_WM_STATE"_s});
}

} // namespace

// On the test display's real tray host, clicked with xdotool; else on a recording area.
class TestTTrayIcon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What reaches the notification area, in order. Changes wait while inactive and go at once
    // while active; each state goes once, and the icon is taken away with the record last given.
    void regles() {
        Essai e;
        e.icone->SetToolTip(u"A"_s);
        e.icone->SetIcon(unie(Qt::red));
        e.icone->SetActive(true);
        e.icone->SetActive(true);
        e.icone->SetIcon(unie(Qt::blue));
        e.icone->SetToolTip(u"B"_s);
        e.icone->SetIcon(e.icone->Icon());
        e.icone->SetActive(false);
        e.icone->SetActive(false);
        QCOMPARE(e.journal.join(u' '), u"Ajouter(#ff0000,A) Modifier(#0000ff,A) "
                                       "Modifier(#0000ff,B) Supprimer(#0000ff,B)"_s);
    }

    // Some notification areas keep no empty tooltip given with the icon: it is given again once
    // the posted message arrives, unless the icon went first.
    void bulleVide() {
        for (const bool detruit : {false, true}) {
            Essai e;
            e.icone->SetActive(true);
            if (detruit)
                delete e.proprietaire;
            QCoreApplication::sendPostedEvents();
            QCOMPARE(e.journal.join(u' '),
                     detruit ? u"Ajouter(-,) Supprimer(-,)"_s : u"Ajouter(-,) Modifier(-,)"_s);
        }
    }

    // A menu item that ends the program, and the icon's owner with it.
    void menuQuiMetFin() {
        Essai e;
        QMenu menu;
        menu.setProperty("aDetruire", QVariant::fromValue(e.proprietaire.data()));
        e.icone->PopupMenu = &menu;
        e.icone->SetToolTip(u"A"_s);
        e.icone->SetActive(true);
        e.icone->Notification(MessageSouris::BoutonDroitRelache);
        QVERIFY(!e.icone);
        QCOMPARE(e.journal.join(u' '), u"Ajouter(-,A) Menu Supprimer(-,A)"_s);
    }

    // The bar loses its taskbar entry, whether it was shown before the icon or after, and gets it
    // back; the icon then takes the real mouse's clicks.
    void clics_data() {
        QTest::addColumn<bool>("montreeAvant");
        QTest::newRow("barre montree avant l'icone") << true;
        QTest::newRow("barre montree apres l'icone") << false;
    }
    void clics() {
        QFETCH(bool, montreeAvant);
        QVERIFY(QSystemTrayIcon::isSystemTrayAvailable());
        QWidget barre(nullptr, Qt::Window | Qt::FramelessWindowHint);
        barre.setGeometry(100, 100, 200, 50);
        if (montreeAvant) {
            barre.show();
            QVERIFY(QTest::qWaitForWindowExposed(&barre));
        }
        auto *icone = new TTrayIcon(&barre);
        barre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&barre));
        const QString sansEntree = u"_NET_WM_STATE_SKIP_TASKBAR"_s;
        QTRY_VERIFY2(EtatFenetre(barre).contains(sansEntree), qPrintable(EtatFenetre(barre)));
        icone->SetShowApp(true);
        QTRY_VERIFY2(!EtatFenetre(barre).contains(sansEntree), qPrintable(EtatFenetre(barre)));
        QMenu menu;
        menu.addAction(u"&Quitter"_s);
        QStringList evenements;
        icone->SetIcon(unie(Qt::red));
        icone->SetToolTip(QString(70, u'a'));
        QCOMPARE(icone->ToolTip(), QString(62, u'a'));
        icone->OnClick = [&evenements](TTrayIcon *) { evenements.append(u"clic"_s); };
        icone->OnDblClick = [&evenements](TTrayIcon *) { evenements.append(u"double"_s); };
        icone->OnRightClick = [&evenements, &menu](TTrayIcon *, Qt::MouseButton b,
                                                   Qt::KeyboardModifiers, int x, int y) {
            // Raised once the menu has closed, where the mouse was.
            evenements.append(u"%1 %2,%3 %4"_s.arg(int(b)).arg(x).arg(y).arg(menu.isVisible()));
        };
        icone->PopupMenu = &menu;
        icone->SetActive(true);
        // The icon has its size at once, and its place once the tray host has embedded it.
        QTRY_VERIFY(!icone->Geometrie().isEmpty() && icone->Geometrie().topLeft() != QPoint(0, 0));
        // A click the tray host swallowed while settling (and maybe moving) the icon is made again
        // where the icon now is, over a second later so that two never make a double click.
        QString x, y;
        for (int essai = 0; essai < 8; ++essai) {
            const QPoint centre = icone->Geometrie().center();
            x = QString::number(centre.x());
            y = QString::number(centre.y());
            QCOMPARE(Lancer(u"xdotool"_s, {u"mousemove"_s, x, y, u"click"_s, u"1"_s}), QString());
            if (QTest::qWaitFor([&] { return !evenements.isEmpty(); }, 1500))
                break;
        }
        // A click that arrived after its wait ran out may be joined by the next: never a double.
        QVERIFY(!evenements.isEmpty());
        QCOMPARE(evenements.count(u"clic"_s), evenements.size());
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
        QCOMPARE(Lancer(u"xdotool"_s, {u"click"_s, u"3"_s}), QString());
        QTRY_COMPARE(evenements, QStringList{u"%1 %2,%3 0"_s.arg(int(Qt::RightButton)).arg(x, y)});
        QVERIFY(menuVu);
        guet.stop();
        evenements.clear();
        QCOMPARE(Lancer(u"xdotool"_s,
                        {u"click"_s, u"--repeat"_s, u"2"_s, u"--delay"_s, u"80"_s, u"1"_s}),
                 QString());
        QTRY_VERIFY(evenements.contains(u"double"_s));
        QCOMPARE(evenements.first(), u"clic"_s);
        icone->SetActive(false);
        QVERIFY(icone->Geometrie().isEmpty());
        delete icone;
    }
};

QTEST_MAIN(TestTTrayIcon)
#include "tst_ttrayicon.moc"
