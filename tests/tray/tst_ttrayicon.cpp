#include "tray/TTrayIcon.h"

#include <QApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A notification area that writes what it is asked into a journal the test shares; an icon is
// named by the colour of its pixels.
class PlateauTemoin : public PlateauNotification {
public:
    explicit PlateauTemoin(QStringList &journal) : journal_(journal) {}

    bool Ajouter(const DonneesNotification &d) override { return Noter(u"Ajouter"_s, d); }
    bool Modifier(const DonneesNotification &d) override { return Noter(u"Modifier"_s, d); }
    bool Supprimer(const DonneesNotification &d) override { return Noter(u"Supprimer"_s, d); }
    void MontrerApplication(bool v) override {
        journal_.append(u"MontrerApplication(%1)"_s.arg(v));
    }
    void ApplicationAuPremierPlan() override { journal_.append(u"PremierPlan"_s); }
    QPoint PositionSouris() override {
        journal_.append(u"PositionSouris"_s);
        return {700, 12};
    }
    void TraiterMessagesEnAttente() override { journal_.append(u"Traiter"_s); }
    void OuvrirMenu(QMenu *menu, const QPoint &p) override {
        journal_.append(u"Menu(%1,%2,%3)"_s.arg(menu->title()).arg(p.x()).arg(p.y()));
        // An item that ends the program, and the icon's owner with it.
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

// A tool of the test display: its output, or "echec".
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

// The tray icon's rules against a recording notification area, then on the real one of the test
// display (Xvfb, openbox and trayer), clicked with xdotool.
class TestTTrayIcon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void regles_data();
    void regles();
    void barreDesTaches_data();
    void barreDesTaches();
    void clics();
};

// Each row plays actions on a new icon and gives what then reached the notification area and
// which events were raised, in order, after the taskbar entry taken away at creation. Actions:
// "actif:1", "actif:0", "bulle:TEXT", "icone:COLOUR", "iconePropre" (the component's own icon
// object written back), "app:1", "app:0", "message:HEX" (a mouse message of the notification
// area), "menu:TITLE" (sets PopupMenu), "attendre" (lets posted events run), "detruire".
void TestTTrayIcon::regles_data() {
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("attendu");

    const QString a62 = QString(62, u'a');
    const QString smiley = u"\U0001F600"_s;
    QTest::newRow("70 caracteres: les 62 premiers")
        << u"bulle:%1 actif:1"_s.arg(QString(70, u'a')) << u"Ajouter(-,%1)"_s.arg(a62);
    QTest::newRow("62 caracteres dont un hors du plan de base: entiers")
        << u"bulle:%1 actif:1"_s.arg(QString(61, u'a') + smiley)
        << u"Ajouter(-,%1)"_s.arg(QString(61, u'a') + smiley);
    QTest::newRow("jamais la moitie d'un caractere")
        << u"bulle:%1 actif:1"_s.arg(a62 + smiley) << u"Ajouter(-,%1)"_s.arg(a62);
    QTest::newRow("actif deux fois: ajoute une fois")
        << u"bulle:T actif:1 actif:1"_s << u"Ajouter(-,T)"_s;
    QTest::newRow("inactif: retire, puis rien")
        << u"bulle:T actif:1 actif:0 actif:0"_s << u"Ajouter(-,T) Supprimer(-,T)"_s;
    QTest::newRow("inactif au depart: rien") << u"actif:0"_s << QString();
    QTest::newRow("changements inactifs montres a l'activation")
        << u"bulle:Tressola icone:red actif:1"_s << u"Ajouter(#ff0000,Tressola)"_s;
    QTest::newRow("changements actifs montres aussitot")
        << u"bulle:A actif:1 icone:blue bulle:B"_s
        << u"Ajouter(-,A) Modifier(#0000ff,A) Modifier(#0000ff,B)"_s;
    QTest::newRow("son propre objet icone: rien")
        << u"icone:red actif:1 iconePropre"_s << u"Ajouter(#ff0000,)"_s;
    QTest::newRow("bulle vide: modifie une fois le message arrive")
        << u"actif:1 attendre"_s << u"Ajouter(-,) Modifier(-,)"_s;
    QTest::newRow("bulle vide: pas avant le message") << u"actif:1"_s << u"Ajouter(-,)"_s;
    QTest::newRow("bulle vide: inactif quand le message arrive")
        << u"actif:1 actif:0 attendre"_s << u"Ajouter(-,) Supprimer(-,)"_s;
    QTest::newRow("bulle vide: detruit avant le message")
        << u"actif:1 detruire attendre"_s << u"Ajouter(-,) Supprimer(-,)"_s;
    QTest::newRow("retire avec l'enregistrement du dernier remplissage")
        << u"bulle:A actif:1 bulle:B actif:0"_s << u"Ajouter(-,A) Modifier(-,B) Supprimer(-,B)"_s;
    QTest::newRow("detruit actif: retire")
        << u"bulle:A actif:1 detruire"_s << u"Ajouter(-,A) Supprimer(-,A)"_s;
    QTest::newRow("detruit inactif: rien") << u"bulle:A detruire"_s << QString();
    QTest::newRow("ShowApp ecrit meme sans changement")
        << u"app:0 app:1 app:1"_s
        << u"MontrerApplication(0) MontrerApplication(1) MontrerApplication(1)"_s;
    QTest::newRow("autres messages ignores")
        << u"message:200 message:201 message:204 message:207"_s << QString();
    QTest::newRow("clic droit sans menu")
        << u"message:205"_s << u"PositionSouris OnRightClick(2,0,700,12)"_s;
    QTest::newRow("clic droit avec menu")
        << u"menu:barre message:205"_s
        << u"PositionSouris PremierPlan Traiter Menu(barre,700,12) OnRightClick(2,0,700,12)"_s;
    QTest::newRow("le menu met fin au programme")
        << u"bulle:A actif:1 menu:quitter message:205"_s
        << u"Ajouter(-,A) PositionSouris PremierPlan Traiter Menu(quitter,700,12) Supprimer(-,A)"_s;
}

void TestTTrayIcon::regles() {
    QFETCH(QString, actions);
    QFETCH(QString, attendu);

    QStringList journal;
    QPointer<QObject> proprietaire = new QObject; // the main bar
    const auto fin = qScopeGuard([&proprietaire] { delete proprietaire; });
    QPointer<TTrayIcon> icone =
        new TTrayIcon(proprietaire, std::make_unique<PlateauTemoin>(journal));
    icone->OnClick = [&journal](TTrayIcon *) { journal.append(u"OnClick"_s); };
    icone->OnDblClick = [&journal](TTrayIcon *) { journal.append(u"OnDblClick"_s); };
    icone->OnRightClick = [&journal](TTrayIcon *, Qt::MouseButton b, Qt::KeyboardModifiers m, int x,
                                     int y) {
        journal.append(u"OnRightClick(%1,%2,%3,%4)"_s.arg(int(b)).arg(int(m)).arg(x).arg(y));
    };
    QMenu menu;

    for (const QString &action : actions.split(u' ')) {
        const QString cle = action.section(u':', 0, 0);
        const QString valeur = action.section(u':', 1);
        QVERIFY2(icone || cle == u"attendre", qPrintable(u"plus d'icone avant "_s + action));
        if (cle == u"actif") {
            icone->SetActive(valeur == u"1");
        } else if (cle == u"bulle") {
            icone->SetToolTip(valeur);
        } else if (cle == u"icone") {
            QPixmap p(16, 16);
            p.fill(QColor(valeur));
            icone->SetIcon(QIcon(p));
        } else if (cle == u"iconePropre") {
            icone->SetIcon(icone->Icon());
        } else if (cle == u"app") {
            icone->SetShowApp(valeur == u"1");
        } else if (cle == u"message") {
            icone->Notification(MessageSouris(valeur.toInt(nullptr, 16)));
        } else if (cle == u"menu") {
            menu.setTitle(valeur);
            if (valeur == u"quitter")
                menu.setProperty("aDetruire", QVariant::fromValue(proprietaire.data()));
            icone->PopupMenu = &menu;
        } else if (cle == u"attendre") {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        } else if (cle == u"detruire") {
            delete proprietaire;
        } else {
            QFAIL(qPrintable(u"action inconnue "_s + action));
        }
    }
    QCOMPARE(journal.takeFirst(), u"MontrerApplication(0)"_s);
    QCOMPARE(journal.join(u' '), attendu);
}

void TestTTrayIcon::barreDesTaches_data() {
    QTest::addColumn<bool>("montreeAvant");
    QTest::newRow("barre montree avant l'icone") << true;
    QTest::newRow("barre montree apres l'icone") << false;
}

// The bar loses its taskbar entry, whether it was shown before or after, and can get it back.
void TestTTrayIcon::barreDesTaches() {
    QFETCH(bool, montreeAvant);
    QWidget barre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    barre.setGeometry(100, 100, 200, 50);
    if (montreeAvant) {
        barre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&barre));
    }
    TTrayIcon icone(&barre);
    barre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&barre));
    const QString sansEntree = u"_NET_WM_STATE_SKIP_TASKBAR"_s;
    QTRY_VERIFY2(EtatFenetre(barre).contains(sansEntree), qPrintable(EtatFenetre(barre)));
    icone.SetShowApp(true);
    QTRY_VERIFY2(!EtatFenetre(barre).contains(sansEntree), qPrintable(EtatFenetre(barre)));
}

void TestTTrayIcon::clics() {
    QVERIFY(QSystemTrayIcon::isSystemTrayAvailable());
    QWidget barre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    barre.setGeometry(100, 100, 200, 50);
    barre.show();

    QMenu menu;
    int ouvertures = 0, declenchements = 0;
    connect(&menu, &QMenu::aboutToShow, this, [&ouvertures] { ++ouvertures; });
    connect(menu.addAction(u"&Quitter"_s), &QAction::triggered, this,
            [&declenchements] { ++declenchements; });

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
    icone->SetActive(true);

    // The icon has its size at once, and its place once the tray host has embedded it.
    QTRY_VERIFY(!icone->Geometrie().isEmpty() && icone->Geometrie().topLeft() != QPoint(0, 0));
    const QPoint centre = icone->Geometrie().center();
    const QString x = QString::number(centre.x()), y = QString::number(centre.y());
    QCOMPARE(Lancer(u"xdotool"_s, {u"mousemove"_s, x, y, u"click"_s, u"1"_s}), QString());
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
    QCOMPARE(Lancer(u"xdotool"_s, {u"click"_s, u"3"_s}), QString());
    QTRY_COMPARE(evenements, QStringList{u"droit"_s});
    QVERIFY(menuVu);
    QCOMPARE(ouvertures, 1);
    QCOMPARE(declenchements, 0);
    guet.stop();

    evenements.clear();
    QCOMPARE(
        Lancer(u"xdotool"_s, {u"click"_s, u"--repeat"_s, u"2"_s, u"--delay"_s, u"80"_s, u"1"_s}),
        QString());
    QTRY_VERIFY(evenements.contains(u"double"_s));
    QCOMPARE(evenements.first(), u"clic"_s);

    icone->SetActive(false);
    QVERIFY(icone->Geometrie().isEmpty());
    delete icone;
}

QTEST_MAIN(TestTTrayIcon)
#include "tst_ttrayicon.moc"
