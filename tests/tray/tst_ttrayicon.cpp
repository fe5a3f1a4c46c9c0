#include "tray/TTrayIcon.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// An icon of one colour, recorded by its colour's name.
QIcon Icone(const QColor &couleur) {
    QPixmap p(16, 16);
    p.fill(couleur);
    return QIcon(p);
}

QString Nom(const QIcon &icone) {
    return icone.isNull() ? u"-"_s : icone.pixmap(16).toImage().pixelColor(0, 0).name();
}

// A notification area that records what it is asked, as text, into a journal the test shares.
class PlateauTemoin : public PlateauNotification {
public:
    explicit PlateauTemoin(QStringList &journal) : journal_(journal) {}

    bool Ajouter(const DonneesNotification &d) override { return Noter(u"Ajouter"_s, d); }
    bool Modifier(const DonneesNotification &d) override { return Noter(u"Modifier"_s, d); }
    bool Supprimer(const DonneesNotification &d) override { return Noter(u"Supprimer"_s, d); }
    void MontrerApplication(bool montrer) override {
        journal_.append(u"MontrerApplication(%1)"_s.arg(montrer));
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
        journal_.append(u"%1(%2,%3)"_s.arg(operation, Nom(d.icone), d.infobulle));
        return true;
    }
    QStringList &journal_;
};

} // namespace

class TestTTrayIcon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void regles_data();
    void regles();
};

// Each row plays a list of actions on a new icon and compares what reached the notification area
// and which events were raised, in order. Actions: "actif:1", "actif:0", "bulle:TEXT",
// "icone:COLOUR", "iconePropre" (the component's own icon object written back), "app:1", "app:0",
// "message:HEX" (a mouse message of the notification area), "menu:TITLE" (sets PopupMenu),
// "clicDroit" (sets OnRightClick), "attendre" (lets posted events run), "detruire".
void TestTTrayIcon::regles_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("attendu");

    const QString a70 = QString(70, u'a');
    const QString a62 = QString(62, u'a');
    const QString smiley = u"\U0001F600"_s;

    QTest::newRow("creation: plus d'entree dans la barre des taches")
        << QStringList{} << QStringList{u"MontrerApplication(0)"_s};
    QTest::newRow("70 caracteres: les 62 premiers")
        << QStringList{u"bulle:"_s + a70, u"actif:1"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,%1)"_s.arg(a62)};
    QTest::newRow("62 caracteres: entiers")
        << QStringList{u"bulle:"_s + a62, u"actif:1"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,%1)"_s.arg(a62)};
    QTest::newRow("62 caracteres dont un hors du plan de base: entiers")
        << QStringList{u"bulle:"_s + QString(61, u'a') + smiley, u"actif:1"_s}
        << QStringList{u"MontrerApplication(0)"_s,
                       u"Ajouter(-,%1)"_s.arg(QString(61, u'a') + smiley)};
    QTest::newRow("jamais la moitie d'un caractere")
        << QStringList{u"bulle:"_s + a62 + smiley, u"actif:1"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,%1)"_s.arg(a62)};
    QTest::newRow("actif deux fois: ajoute une fois")
        << QStringList{u"bulle:T"_s, u"actif:1"_s, u"actif:1"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,T)"_s};
    QTest::newRow("inactif: retire, puis rien")
        << QStringList{u"bulle:T"_s, u"actif:1"_s, u"actif:0"_s, u"actif:0"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,T)"_s, u"Supprimer(-,T)"_s};
    QTest::newRow("inactif au depart: rien")
        << QStringList{u"actif:0"_s} << QStringList{u"MontrerApplication(0)"_s};
    QTest::newRow("changements inactifs montres a l'activation")
        << QStringList{u"bulle:Tressola"_s, u"icone:red"_s, u"actif:1"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(#ff0000,Tressola)"_s};
    QTest::newRow("changements actifs montres aussitot")
        << QStringList{u"bulle:A"_s, u"actif:1"_s, u"icone:blue"_s, u"bulle:B"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,A)"_s, u"Modifier(#0000ff,A)"_s,
                       u"Modifier(#0000ff,B)"_s};
    QTest::newRow("son propre objet icone: rien")
        << QStringList{u"icone:red"_s, u"actif:1"_s, u"iconePropre"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(#ff0000,)"_s};
    QTest::newRow("bulle vide: modifie une fois le message arrive")
        << QStringList{u"actif:1"_s, u"attendre"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,)"_s, u"Modifier(-,)"_s};
    QTest::newRow("bulle vide: pas avant le message")
        << QStringList{u"actif:1"_s} << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,)"_s};
    QTest::newRow("bulle vide: inactif quand le message arrive")
        << QStringList{u"actif:1"_s, u"actif:0"_s, u"attendre"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,)"_s, u"Supprimer(-,)"_s};
    QTest::newRow("bulle vide: detruit avant le message")
        << QStringList{u"actif:1"_s, u"detruire"_s, u"attendre"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,)"_s, u"Supprimer(-,)"_s};
    QTest::newRow("retire avec l'enregistrement du dernier remplissage")
        << QStringList{u"bulle:A"_s, u"actif:1"_s, u"bulle:B"_s, u"actif:0"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,A)"_s, u"Modifier(-,B)"_s,
                       u"Supprimer(-,B)"_s};
    QTest::newRow("detruit actif: retire")
        << QStringList{u"bulle:A"_s, u"actif:1"_s, u"detruire"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,A)"_s, u"Supprimer(-,A)"_s};
    QTest::newRow("detruit inactif: rien")
        << QStringList{u"bulle:A"_s, u"detruire"_s} << QStringList{u"MontrerApplication(0)"_s};
    QTest::newRow("ShowApp ecrit meme sans changement")
        << QStringList{u"app:0"_s, u"app:1"_s, u"app:1"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"MontrerApplication(0)"_s,
                       u"MontrerApplication(1)"_s, u"MontrerApplication(1)"_s};
    QTest::newRow("double clic: clic, double clic, clic")
        << QStringList{u"message:202"_s, u"message:203"_s, u"message:202"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"OnClick"_s, u"OnDblClick"_s, u"OnClick"_s};
    QTest::newRow("autres messages ignores")
        << QStringList{u"message:200"_s, u"message:201"_s, u"message:204"_s, u"message:207"_s}
        << QStringList{u"MontrerApplication(0)"_s};
    QTest::newRow("clic droit sans menu ni evenement: lit la souris")
        << QStringList{u"message:205"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"PositionSouris"_s};
    QTest::newRow("clic droit avec menu et evenement")
        << QStringList{u"menu:barre"_s, u"clicDroit"_s, u"message:205"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"PositionSouris"_s,
                       u"PremierPlan"_s,           u"Traiter"_s,
                       u"Menu(barre,700,12)"_s,    u"OnRightClick(2,0,700,12)"_s};
    QTest::newRow("clic droit avec evenement seulement")
        << QStringList{u"clicDroit"_s, u"message:205"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"PositionSouris"_s,
                       u"OnRightClick(2,0,700,12)"_s};
    QTest::newRow("le menu met fin au programme")
        << QStringList{u"bulle:A"_s, u"actif:1"_s, u"menu:quitter"_s, u"clicDroit"_s,
                       u"message:205"_s}
        << QStringList{u"MontrerApplication(0)"_s, u"Ajouter(-,A)"_s, u"PositionSouris"_s,
                       u"PremierPlan"_s,           u"Traiter"_s,      u"Menu(quitter,700,12)"_s,
                       u"Supprimer(-,A)"_s};
}

void TestTTrayIcon::regles() {
    QFETCH(QStringList, actions);
    QFETCH(QStringList, attendu);

    QStringList journal;
    QPointer<QObject> proprietaire = new QObject; // the main bar
    const auto fin = qScopeGuard([&proprietaire] { delete proprietaire; });
    QPointer<TTrayIcon> icone =
        new TTrayIcon(proprietaire, std::make_unique<PlateauTemoin>(journal));
    icone->OnClick = [&journal](TTrayIcon *) { journal.append(u"OnClick"_s); };
    icone->OnDblClick = [&journal](TTrayIcon *) { journal.append(u"OnDblClick"_s); };
    QMenu menu;

    for (const QString &action : std::as_const(actions)) {
        const QString cle = action.section(u':', 0, 0);
        const QString valeur = action.section(u':', 1);
        QVERIFY2(icone || cle == u"attendre"_s, qPrintable(u"plus d'icone avant "_s + action));
        if (cle == u"actif"_s) {
            icone->SetActive(valeur == u"1"_s);
        } else if (cle == u"bulle"_s) {
            icone->SetToolTip(valeur);
        } else if (cle == u"icone"_s) {
            icone->SetIcon(Icone(QColor(valeur)));
        } else if (cle == u"iconePropre"_s) {
            icone->SetIcon(icone->Icon());
        } else if (cle == u"app"_s) {
            icone->SetShowApp(valeur == u"1"_s);
        } else if (cle == u"message"_s) {
            icone->Notification(MessageSouris(valeur.toInt(nullptr, 16)));
        } else if (cle == u"menu"_s) {
            menu.setTitle(valeur);
            if (valeur == u"quitter"_s)
                menu.setProperty("aDetruire", QVariant::fromValue(proprietaire.data()));
            icone->PopupMenu = &menu;
        } else if (cle == u"clicDroit"_s) {
            icone->OnRightClick = [&journal](TTrayIcon *, Qt::MouseButton b,
                                             Qt::KeyboardModifiers m, int x, int y) {
                journal.append(
                    u"OnRightClick(%1,%2,%3,%4)"_s.arg(int(b)).arg(int(m)).arg(x).arg(y));
            };
        } else if (cle == u"attendre"_s) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        } else if (cle == u"detruire"_s) {
            delete proprietaire;
        } else {
            QFAIL(qPrintable(u"action inconnue "_s + action));
        }
    }
    QCOMPARE(journal, attendu);
}

QTEST_MAIN(TestTTrayIcon)
#include "tst_ttrayicon.moc"
