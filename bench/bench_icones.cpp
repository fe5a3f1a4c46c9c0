// What the icon chooser and the bar pay for icons: counting and extracting the icons of a
// library of 200 icon groups, all of them and the 40 that the chooser shows, against reading
// the library's bytes once.

#include "platform/icons.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Median time of a task, in microseconds.
double mediane(int repetitions, const std::function<void()> &tache) {
    std::vector<double> temps;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        tache();
        temps.push_back(double(chrono.nsecsElapsed()) / 1000.0);
    }
    std::sort(temps.begin(), temps.end());
    return temps[temps.size() / 2];
}

// Counts the icons of the file and extracts the first n of them (all of them for n < 0).
int extraire(const QString &fichier, int n) {
    int nombre = iconCount(fichier);
    if (n >= 0)
        nombre = std::min(nombre, n);
    int extraites = 0;
    for (int i = 0; i < nombre; ++i)
        extraites += iconImage(fichier, i).isNull() ? 0 : 1;
    return extraites;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication application(argc, argv);
    const QString fichier = QStringLiteral(BIBLIOTHEQUE);
    QTextStream sortie(stdout);
    const int nombre = iconCount(fichier);
    if (nombre != 200 || extraire(fichier, -1) != 200) {
        sortie << "the benchmark library does not hold 200 icons: " << fichier << Qt::endl;
        return 1;
    }

    qint64 taille = 0;
    const double lecture = mediane(51, [&] {
        QFile f(fichier);
        if (f.open(QIODevice::ReadOnly))
            taille = f.readAll().size();
    });
    const double toutes = mediane(21, [&] { extraire(fichier, -1); });
    const double quarante = mediane(51, [&] { extraire(fichier, 40); });
    const double compte = mediane(201, [&] { iconCount(fichier); });
    // The bar takes each button's icon from another file: the library is read anew each time.
    QTemporaryDir dossier;
    const QString copie = dossier.filePath(QStringLiteral("copie.dll"));
    QFile::copy(fichier, copie);
    int n = 0;
    const double ailleurs = mediane(101, [&] {
        ++n;
        iconImage(n % 2 ? copie : fichier, n % 200);
    });

    // Damaged files: the library cut short at 64 places, each read anew (two copies of each,
    // taken in turn); the slowest of them.
    QByteArray octets;
    if (QFile f(fichier); f.open(QIODevice::ReadOnly))
        octets = f.readAll();
    double pireTronque = 0;
    for (int i = 1; i <= 64; ++i) {
        QStringList copies;
        for (const char *nom : {"a", "b"}) {
            copies.append(
                dossier.filePath(QStringLiteral("tronque-%1.dll").arg(QLatin1String(nom))));
            if (QFile f(copies.last()); f.open(QIODevice::WriteOnly))
                f.write(octets.first(octets.size() * i / 65));
        }
        int k = 0;
        pireTronque = std::max(pireTronque, mediane(11, [&] {
                                   ++k;
                                   iconImage(copies[k % 2], k % 4);
                               }));
    }

    sortie.setRealNumberNotation(QTextStream::FixedNotation);
    sortie.setRealNumberPrecision(1);
    sortie << "library: " << nombre << " icon groups, " << taille / 1024 << " KiB\n";
    sortie << "reading its bytes once:       " << lecture << " us\n";
    sortie << "counting its icons:           " << compte << " us\n";
    sortie << "count + all 200 icons:        " << toutes << " us, " << toutes / 200
           << " us per icon\n";
    sortie << "count + the first 40 icons:   " << quarante << " us, " << quarante / 40
           << " us per icon\n";
    sortie << "one icon, another file each:  " << ailleurs << " us\n";
    sortie << "one icon of a cut library:    " << pireTronque << " us at worst\n";
    sortie.setRealNumberPrecision(2);
    sortie << "per icon / reading the bytes: " << toutes / 200 / lecture << "\n";
    sortie << "all 200 / reading the bytes:  " << toutes / lecture << "\n";
    sortie << "first 40 / reading the bytes: " << quarante / lecture << "\n";
    sortie << "another file / reading:       " << ailleurs / lecture << "\n";
    return 0;
}
