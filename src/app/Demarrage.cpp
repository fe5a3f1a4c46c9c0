#include "app/Demarrage.h"

#include "app/Instance.h"
#include "barre/TBarreDlg.h"
#include "board/Globales.h"
#include "board/Tableau.h"
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

int Demarrer(QApplication &application) {
    G.BarrePrincipaleCreee = false;
    QApplication::setApplicationName(QStringLiteral("Tressola"));
    // No display name: on X11 it would be added to every window's caption, which must read as
    // given ("Configurer une application"). Message boxes take the application's name.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tressola.svg")));
    // The toolkit's own words (Oui, Non, Annuler, the file dialogs) in French, like the rest.
    QTranslator traduction;
    if (traduction.load(QStringLiteral("qtbase_fr"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);
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
    TBarreDlg::Creer(G.BarreDlg);
    // The dialogs live for the whole run, each created once.
    TChoixIconeDlg choix;
    TConfigDlg configuration;
    THintDlg hint;
    TAboutBox apropos;
    G.ChoixIconeDlg = &choix;
    G.ConfigDlg = &configuration;
    G.HintDlg = &hint;
    G.AboutBox = &apropos;
    const int code = application.exec();
    G.ChoixIconeDlg = nullptr;
    G.ConfigDlg = nullptr;
    G.HintDlg = nullptr;
    G.AboutBox = nullptr;
    return code;
}
