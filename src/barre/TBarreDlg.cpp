#include "barre/TBarreDlg.h"

#include "barre/Disposition.h"
#include "barre/Enregistrements.h"
#include "barre/Fleches.h"
#include "barre/Moniteurs.h"
#include "barre/TBitBtn.h"
#include "barre/Tiroirs.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Tableau.h"
#include "dialogs/Messages.h"
#include "dialogs/TChoixIconeDlg.h"
#include "logic/Dimensions.h"
#include "logic/ReglesChemin.h"
#include "platform/Ecran.h"
#include "platform/Programme.h"
#include "tray/TTrayIcon.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

TBarreDlg::TBarreDlg() {
    setWindowTitle(QStringLiteral("Tressola"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    // A launcher is hovered while another program is the active one: its hints show all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    resize(286, 64);
    FlecheHaut = PixmapFleche(Fleche::FlecheHaut, devicePixelRatioF());
    FlecheBas = PixmapFleche(Fleche::FlecheBas, devicePixelRatioF());
    FlecheDroite = PixmapFleche(Fleche::FlecheDroite, devicePixelRatioF());
    FlecheGauche = PixmapFleche(Fleche::FlecheGauche, devicePixelRatioF());
    Bidon = new QPushButton(this);
    Bidon->setGeometry(244, 16, 2, 2);
    Bidon->installEventFilter(this);
    Bidon->setFocus();

    CreerMenus();
}

TBarreDlg::~TBarreDlg() {
    // A bar torn down without being closed (the end of a test, a failed start) still frees its
    // records; its controls go with the window.
    DetruireListe(Liste);
    DetruireListe(ListeTiroirs);
    if (G.BarreDlg == this)
        G.BarreDlg = nullptr;
}

TBarreDlg *TBarreDlg::Creer(TBarreDlg *&destination) {
    auto *barre = new TBarreDlg;
    destination = barre;
    barre->FormCreate();
    barre->show();
    return barre;
}

void TBarreDlg::FormCreate() {
    G.SauvegardeBloquee = true;
    EstPrincipale = !G.BarrePrincipaleCreee;
    G.BarrePrincipaleCreee = true;
    if (EstPrincipale) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    } else {
        // Drawer bars belong to the main bar: no taskbar entry of their own.
        setParent(G.BarreDlg, Qt::Tool | Qt::FramelessWindowHint);
    }
    try {
        if (EstPrincipale) {
            G.Orientation = 0;
            G.Position = 3;
            G.StayOnTop = false;
            G.FermetureAuto = false;
            G.RepProgramme =
                PartieRepertoire(platform::cheminProgramme(), platform::separateursChemin());
            G.FichierTableau = CheminTableau(G.RepProgramme);
            if (QFileInfo::exists(G.FichierTableau))
                LireReglages();
            else
                SauverReglages();
            const QSize ecran = platform::tailleEcran();
            G.LargeurEcran = ecran.width();
            G.HauteurEcran = ecran.height();
        }
        Liste = nullptr;
        ListeTiroirs = nullptr;
        Tiroir = EstPrincipale ? nullptr : G.TiroirEnCours;
        ChargerBarre(this);
        CreerBoutons(this);
        Arranger(this);
        if (EstPrincipale) {
            PlacerAuLancement();
            SuivreMoniteurs(this);
            setWindowFlag(Qt::WindowStaysOnTopHint, G.StayOnTop);
        }
        if (!EstPrincipale) {
            delete Bidon;
            Bidon = nullptr;
        }
    } catch (const std::exception &erreur) {
        Messages::RapporterErreur(erreur);
        ReprendreApresErreur();
    }
    G.SauvegardeBloquee = false;
    G.DeplacementEnCours = false;
}

// A write that failed during the creation stops it; what the bar then lacks is built from memory
// alone, so that it shows its buttons and can be closed without an internal fault.
void TBarreDlg::ReprendreApresErreur() {
    if (!Liste && EstPrincipale)
        CreneauParDefaut(this);
    if (Liste && !Liste->Bouton) {
        CreerBoutons(this);
        Arranger(this);
    }
}

void TBarreDlg::FormClose() {
    if (!Liste) {
        Messages::Afficher(QStringLiteral("Erreur de l'application - Liste=nil"),
                           QStringLiteral("Avertir l'auteur. Merci."));
        Messages::TerminerProgramme(255);
    }
    // A bar that cannot be written still closes: the user asked for it, and the board file
    // keeps what it held.
    if (!G.SauvegardeBloquee)
        Messages::Agir([this] { SauverBarre(this); });
    if (!EstPrincipale && Tiroir) {
        Tiroir->Barre = nullptr;
        if (G.BarreDlg)
            MarquerTiroir(Tiroir, EtatTiroir::Ferme);
        Tiroir = nullptr;
    }
    LibererBoutons(this);
    if (EstPrincipale) {
        if (G.ChoixIconeDlg)
            G.ChoixIconeDlg->close();
        delete G.TrayIcon; // takes the icon out of the notification area
        G.TrayIcon = nullptr;
        QCoreApplication::quit();
    }
}

void TBarreDlg::FermerClick() {
    close();
}

void TBarreDlg::closeEvent(QCloseEvent *evenement) {
    FormClose();
    evenement->accept();
}
