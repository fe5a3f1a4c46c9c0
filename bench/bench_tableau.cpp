// Loading and saving a bar of 1,000 buttons, against the floor of reading the same bytes and
// replacing the file atomically with them.

#include "Mesures.h"
#include "barre/Enregistrements.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Tableau.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir rep;
    G.FichierTableau = rep.filePath(QStringLiteral("TRESSOLA.INI"));
    const int n = 1000;

    // A board written by the program itself.
    TBoutonAppli *liste = nullptr;
    TBoutonAppli *dernier = nullptr;
    for (int i = 0; i < n; ++i) {
        auto *r = new TBoutonAppli;
        r->LigCom = QStringLiteral("\"/usr/bin/programme numéro %1\" --option %1").arg(i);
        r->WDir = QStringLiteral("/home/utilisateur/Documents/dossier %1/").arg(i);
        r->Name = QStringLiteral("/usr/share/icons/programme-%1.png").arg(i);
        r->Hint = QStringLiteral("Programme %1").arg(i);
        r->Icon = 0;
        (dernier ? dernier->Suivant : liste) = r;
        dernier = r;
    }
    dernier->Suivant = liste;
    EcrireBoutons(QStringLiteral("SECTION0"), liste, nullptr);
    QFile f(G.FichierTableau);
    f.open(QIODevice::ReadOnly);
    const QByteArray octets = f.readAll();
    f.close();
    std::printf("board of %d buttons: %lld bytes\n", n, static_cast<long long>(octets.size()));

    const auto lire = Mesurer(21, [&] {
        QFile g(G.FichierTableau);
        g.open(QIODevice::ReadOnly);
        (void)g.readAll();
    });
    const auto remplacer = Mesurer(21, [&] {
        QSaveFile g(G.FichierTableau);
        g.open(QIODevice::WriteOnly);
        g.write(octets);
        g.commit();
    });
    const auto charger = Mesurer(21, [&] {
        ListesBarre l = LireBoutons(QStringLiteral("SECTION0"), false);
        DetruireListe(l.Liste);
    });
    const auto sauver =
        Mesurer(21, [&] { EcrireBoutons(QStringLiteral("SECTION0"), liste, nullptr); });
    Rapporter("floor: read the file's bytes", lire);
    Rapporter("floor: replace the file atomically with the same bytes", remplacer);
    Rapporter("ChargerBarre's reading of 1,000 buttons", charger);
    Rapporter("SauverBarre's writing of 1,000 buttons", sauver);
    std::printf("ratios: load %.1f x reading, save %.1f x replacing\n",
                Mediane(charger) / Mediane(lire), Mediane(sauver) / Mediane(remplacer));
    DetruireListe(liste);
    return 0;
}
