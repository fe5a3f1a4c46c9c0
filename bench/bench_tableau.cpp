// A bar of 1,000 buttons in the board file: loading it after another program wrote the file, and
// saving it, each against its floor (reading the same bytes and splitting their lines; writing
// the same bytes to a temporary file, flushed, renamed over the board, and the folder flushed so
// that the rename is on disk, as the program does), from one run.

#include "Mesures.h"
#include "barre/Enregistrements.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/TIniFile.h"
#include "board/Tableau.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <unistd.h>

namespace {

// What any program must do to replace the file safely with these bytes.
void remplacer(const QByteArray &chemin, const QByteArray &octets) {
    const QByteArray temporaire = chemin + ".plancher";
    const int fd = ::open(temporaire.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, octets.constData(), size_t(octets.size())) != octets.size() ||
        ::fsync(fd) != 0 || ::close(fd) != 0 ||
        ::rename(temporaire.constData(), chemin.constData()) != 0)
        qFatal("the floor could not replace the board");
    const QByteArray rep = QFile::encodeName(QFileInfo(QFile::decodeName(chemin)).path());
    const int dossier = ::open(rep.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dossier < 0 || ::fsync(dossier) != 0 || ::close(dossier) != 0)
        qFatal("the floor could not flush the folder");
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir rep;
    G.FichierTableau = rep.filePath(QStringLiteral("TRESSOLA.INI"));
    const QByteArray chemin = QFile::encodeName(G.FichierTableau);
    const int n = 1000;

    // A board written by the program itself: settings, the bar, and a drawer beside it.
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
    SauverReglages();
    EcrireBoutons(QStringLiteral("SECTION0"), liste, nullptr);
    TIniFile(G.FichierTableau)
        .WriteInteger(QStringLiteral("SECTION1"), QStringLiteral("Nombre"), 0);
    QFile f(G.FichierTableau);
    f.open(QIODevice::ReadOnly);
    const QByteArray octets = f.readAll();
    f.close();
    std::printf("board of %d buttons: %lld bytes\n", n, static_cast<long long>(octets.size()));

    constexpr int fois = 31;
    std::vector<double> lire, charger, relire, plancher, sauver, inchange, reglage;
    for (int i = 0; i < fois; ++i) {
        // Another program writes the board: nothing of an earlier picture may serve.
        remplacer(chemin, octets);
        charger.push_back(Mesurer(1, [&] {
            ListesBarre l = LireBoutons(QStringLiteral("SECTION0"), false);
            DetruireListe(l.Liste);
        })[0]);
        relire.push_back(Mesurer(1, [&] {
            ListesBarre l = LireBoutons(QStringLiteral("SECTION0"), false);
            DetruireListe(l.Liste);
        })[0]);
        lire.push_back(Mesurer(1, [&] {
            QFile g(G.FichierTableau);
            g.open(QIODevice::ReadOnly);
            if (g.readAll().split('\n').size() < n)
                qFatal("the board lost its lines");
        })[0]);
        plancher.push_back(Mesurer(1, [&] { remplacer(chemin, octets); })[0]);
        (void)NombreTiroir(QStringLiteral("SECTION1")); // the program's picture, as after a load
        liste->Hint = QStringLiteral("Programme changé %1").arg(i); // a real change to save
        sauver.push_back(
            Mesurer(1, [&] { EcrireBoutons(QStringLiteral("SECTION0"), liste, nullptr); })[0]);
        inchange.push_back(
            Mesurer(1, [&] { EcrireBoutons(QStringLiteral("SECTION0"), liste, nullptr); })[0]);
        reglage.push_back(Mesurer(1, [] { SauverReglages(); })[0]);
    }
    Rapporter("floor: read the file and split its lines", lire);
    Rapporter("load 1,000 buttons after another program wrote", charger);
    Rapporter("load them again, file unchanged", relire);
    Rapporter("floor: replace the file (temp, fsync, rename, fsync dir)", plancher);
    Rapporter("save 1,000 buttons", sauver);
    Rapporter("save them again unchanged (a bar that closes)", inchange);
    Rapporter("save the settings into that board", reglage);
    std::printf("ratios: load %.2f x its floor (%.0f us / %.0f us), save %.2f x its floor "
                "(%.0f us / %.0f us)\n",
                Mediane(charger) / Mediane(lire), Mediane(charger), Mediane(lire),
                Mediane(sauver) / Mediane(plancher), Mediane(sauver), Mediane(plancher));
    DetruireListe(liste);
    return 0;
}
