// From the start of the process to its first frame: Tressola with a bar of ten buttons with PNG
// icons, against a bare Qt program with the same window, buttons and tray icon, started in turns
// in the same run. Also the anonymous memory of each, a second after the first frame.
#include "Mesures.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <ctime>

namespace {

long long Maintenant() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Ten PNG icons and a board of ten buttons that show them, with empty drawers.
bool Preparer(const QTemporaryDir &rep) {
    QByteArray tableau = "[TRESSOLA]\nPosition=3\n[MAIN]\n";
    for (int i = 0; i < 10; ++i) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setBrush(QColor::fromHsv(i * 36, 200, 220));
        p.drawEllipse(2, 2, 28, 28);
        p.end();
        const QString png = rep.filePath(QStringLiteral("%1.png").arg(i));
        if (!image.save(png))
            return false;
        const QByteArray n = QByteArray::number(i);
        tableau += n + "Name=" + QFile::encodeName(png) + '\n' + n + "Icon=0\n" + n +
                   "LigCom=" + QFile::encodeName(png) + '\n' + n + "NomSection=SECTION" + n + '\n';
    }
    tableau += "Nombre=10\n";
    QFile f(rep.filePath(QStringLiteral("TRESSOLA.INI")));
    return f.open(QIODevice::WriteOnly) && f.write(tableau) == tableau.size();
}

// One start: microseconds to the first frame, and the anonymous memory in KiB.
bool Demarrer(const QString &programme, double &us, double &kio) {
    QTemporaryDir rep;
    if (!Preparer(rep))
        return false;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long debut = Maintenant();
    p.start(programme, {rep.path()});
    if (!p.waitForFinished(20000))
        return false;
    const QList<QByteArray> lignes = p.readAllStandardOutput().split('\n');
    if (lignes.size() < 2)
        return false;
    us = double(lignes.at(0).toLongLong() - debut) / 1000.0;
    kio = lignes.at(1).toDouble();
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QString dossier = QCoreApplication::applicationDirPath();
    std::vector<double> tressola, nu, memTressola, memNu;
    for (int i = 0; i < 21; ++i) {
        double us = 0, kio = 0;
        if (Demarrer(dossier + QStringLiteral("/tressola_mesure"), us, kio)) {
            tressola.push_back(us);
            memTressola.push_back(kio);
        }
        if (Demarrer(dossier + QStringLiteral("/nu_qt"), us, kio)) {
            nu.push_back(us);
            memNu.push_back(kio);
        }
    }
    Rapporter("first frame, Tressola, 10 buttons", tressola);
    Rapporter("first frame, bare Qt, 10 buttons and tray", nu);
    std::printf("first frame against bare Qt: %.2fx (medians %.1f ms / %.1f ms)\n",
                Mediane(tressola) / Mediane(nu), Mediane(tressola) / 1000, Mediane(nu) / 1000);
    std::printf("anonymous memory: %.2f of the 4 MiB allowed (Tressola %.0f KiB / 4096 KiB), "
                "%.2fx bare Qt (%.0f KiB)\n",
                Mediane(memTressola) / 4096, Mediane(memTressola),
                Mediane(memTressola) / Mediane(memNu), Mediane(memNu));
    return 0;
}
