// The tray icon's cost at start-up, on a real notification area (run under a display with a tray
// host, e.g. tests/support/avec-ecran.sh): creating the component and making it active as the main
// bar does, then the time until the tray host has embedded the icon.
#include "Mesures.h"
#include "tray/TTrayIcon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        std::printf("no notification area\n");
        return 1;
    }
    QWidget barre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    barre.setGeometry(100, 100, 200, 50);
    barre.show();
    QPixmap image(32, 32);
    image.fill(Qt::darkGreen);
    const QIcon icone(image);

    std::vector<double> creation, incrustation;
    for (int tour = 0; tour < 20; ++tour) {
        QElapsedTimer t;
        t.start();
        auto *tray = new TTrayIcon(&barre);
        tray->SetIcon(icone);
        tray->SetToolTip(QStringLiteral("Tressola"));
        tray->SetShowApp(false);
        tray->SetActive(true);
        creation.push_back(double(t.nsecsElapsed()) / 1000.0);
        if (QTest::qWaitFor([tray] { return tray->Geometrie().topLeft() != QPoint(0, 0); }, 5000))
            incrustation.push_back(double(t.nsecsElapsed()) / 1000.0);
        delete tray;
        QTest::qWait(50);
    }
    Rapporter("tray icon: create, set, activate", creation);
    Rapporter("tray icon: until embedded by the tray host", incrustation);
    return 0;
}
