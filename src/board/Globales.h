#pragma once

#include <QString>
#include <QtGlobal>

class TBarreDlg;
class TChoixIconeDlg;
class TConfigDlg;
class THintDlg;
class TAboutBox;
class TTrayIcon;
struct TBoutonTiroir;

// The state that the bars share for the whole run, touched only from the user-interface thread.
// It lives in one object so that a test can start again from a clean slate.
struct Globales {
    TBarreDlg *BarreDlg = nullptr; // the main bar; its menus and Bidon serve every bar
    TChoixIconeDlg *ChoixIconeDlg = nullptr;
    TConfigDlg *ConfigDlg = nullptr;
    THintDlg *HintDlg = nullptr;
    TAboutBox *AboutBox = nullptr;
    TTrayIcon *TrayIcon = nullptr;

    bool BarrePrincipaleCreee = false;
    QString RepProgramme;   // directory of the executable, with its trailing separator
    QString FichierTableau; // full path of the board file in use

    quint8 Orientation = 0; // 0 horizontal, 1 vertical
    quint8 Position = 3;    // start-up place: 0 top left ... 4 the saved PosX, PosY
    bool StayOnTop = false;
    bool FermetureAuto = false; // a launch from a drawer hides it
    qint32 PosX = 0;
    qint32 PosY = 0;
    qint32 LargeurEcran = 0; // taken once, when the main bar is created
    qint32 HauteurEcran = 0;

    TBoutonTiroir *TiroirEnCours = nullptr; // the drawer whose bar is being created
    TBarreDlg *BarreSource = nullptr;       // the bar a button drag started on
    bool SauvegardeBloquee = false;         // a bar that closes now does not write its section
    bool DeplacementEnCours = false;        // the main bar is being dragged by its background
    qint32 ClicX = 0;
    qint32 ClicY = 0;
    bool ModeDeplacerActif = false;
};

extern Globales G;

// Back to the values the program starts with.
void ReinitialiserGlobales();
