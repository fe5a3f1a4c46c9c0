#include "app/Demarrage.h"

#include "app/Instance.h"
#include "barre/TBarreDlg.h"
#include "board/Globales.h"
#include "board/Tableau.h"
#include "dialogs/Cadres.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/TChoixIconeDlg.h"
#include "dialogs/TConfigDlg.h"
#include "dialogs/THintDlg.h"
#include "logic/ReglesChemin.h"
#include "platform/Programme.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <functional>
#include <utility>

namespace {

// Runs a task once, in the event loop's turn after the first paint of any window: what the user
// cannot see or use before the bar is on screen waits until it is.
class ApresPremiereImage : public QObject {
public:
    explicit ApresPremiereImage(std::function<void()> tache) : tache_(std::move(tache)) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *evenement) override {
        if (evenement->type() == QEvent::Paint) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(this, tache_, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> tache_;
};

} // namespace

int Demarrer(QApplication &application) {
    G.BarrePrincipaleCreee = false;
    QApplication::setApplicationName(QStringLiteral("Tressola"));
    // No display name: on X11 it would be added to every window's caption, which must read as
    // given ("Configurer une application"). Message boxes take the application's name.
    // The main bar ends the program itself when it closes; drawers and dialogs do not count.
    QApplication::setQuitOnLastWindowClosed(false);
    Instance instance(CheminTableau(
        PartieRepertoire(platform::cheminProgramme(), platform::separateursChemin())));
    if (instance.ConfierALaCopieOuverte())
        return 0;
    instance.QuandRedemande([] {
        // Forward as it stands: shown, raised and focused, but not moved.
        if (!G.BarreDlg)
            return;
        G.BarreDlg->setWindowState(G.BarreDlg->windowState() & ~Qt::WindowMinimized);
        G.BarreDlg->show();
        G.BarreDlg->raise();
        G.BarreDlg->activateWindow();
    });
    QTranslator traduction;
    ApresPremiereImage suite([&] {
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/tressola.svg")));
        // The toolkit's own words (Oui, Non, Annuler, the file dialogs) in French, like the rest.
        if (traduction.load(QStringLiteral("qtbase_fr"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&traduction);
        if (G.BarreDlg)
            G.BarreDlg->CreerTrayIcon();
        // The icon chooser is the configuration dialog's, which takes it from here; the other
        // dialogs are made at their first use (dialogs/Dialogues.h).
        G.ChoixIconeDlg = new TChoixIconeDlg;
        // A click on a bar or on the tray brings back a modal dialog the window manager hid.
        GarderDialoguesModauxEnVue();
    });
    TBarreDlg::Creer(G.BarreDlg);
    const int code = application.exec();
    delete std::exchange(G.ChoixIconeDlg, nullptr);
    delete std::exchange(G.ConfigDlg, nullptr);
    delete std::exchange(G.HintDlg, nullptr);
    delete std::exchange(G.AboutBox, nullptr);
    return code;
}
