// From the start of the program to the first paint of the main bar. The parent runs itself as a
// child many times, each child in a fresh temporary directory, and reports the medians.

#include "Mesures.h"
#include "barre/TBarreDlg.h"
#include "board/Globales.h"
#include "platform/Programme.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QElapsedTimer depuisMain;

struct PremierePeinture : QObject {
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::Paint) {
            std::printf("%lld\n", static_cast<long long>(depuisMain.nsecsElapsed()));
            std::fflush(stdout);
            QApplication::exit(0);
        }
        return false;
    }
};

int enfant(int argc, char *argv[], const QString &rep) {
    QApplication application(argc, argv);
    platform::simulerCheminProgramme(rep + QStringLiteral("/tressola"));
    QApplication::setApplicationName(QStringLiteral("Tressola"));
    PremierePeinture filtre;
    TBarreDlg::Creer(G.BarreDlg);
    G.BarreDlg->installEventFilter(&filtre);
    return application.exec();
}

} // namespace

int main(int argc, char *argv[]) {
    depuisMain.start();
    if (argc == 3 && qstrcmp(argv[1], "--enfant") == 0)
        return enfant(1, argv, QString::fromLocal8Bit(argv[2]));

    std::vector<double> jusquAPeinture;
    std::vector<double> processus;
    for (int i = 0; i < 15; ++i) {
        QTemporaryDir rep;
        QProcess p;
        QElapsedTimer chrono;
        chrono.start();
        p.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--enfant"), rep.path()});
        p.waitForFinished();
        processus.push_back(chrono.nsecsElapsed() / 1000.0);
        jusquAPeinture.push_back(p.readAllStandardOutput().trimmed().toLongLong() / 1000.0);
    }
    Rapporter("first start: main() to the bar's first paint", jusquAPeinture);
    Rapporter("first start: whole process, spawn to exit", processus);
    return 0;
}
