// An X client of the tests: shows one ordinary window, writes "<window id> <pid>" into the file
// named by TRESSOLA_TEMOIN once it is shown, and stays until it is stopped (at most 30 seconds, so
// that a failed test leaves nothing behind for long).
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("fenetre-temoin"));
    fenetre.resize(200, 150);
    fenetre.show();
    QTimer::singleShot(0, &fenetre, [&fenetre] {
        const QString chemin = qEnvironmentVariable("TRESSOLA_TEMOIN");
        QFile f(chemin + QStringLiteral(".part"));
        if (f.open(QIODevice::WriteOnly)) {
            f.write(QByteArray::number(fenetre.winId()) + ' ' +
                    QByteArray::number(QCoreApplication::applicationPid()));
            f.close();
            QFile::rename(f.fileName(), chemin);
        }
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return app.exec();
}
