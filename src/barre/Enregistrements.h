#pragma once

#include <QString>

class QWidget;
class TBarreDlg;
struct TBoutonAppli;
struct TBoutonTiroir;

// The button records of a bar and their controls.

// Fills the bar's lists from its section; the main bar with no button gets one blank slot.
void ChargerBarre(TBarreDlg *barre);

// Creates the control of every record, in list order (on the main bar each button then its
// strip).
void CreerBoutons(TBarreDlg *barre);

// The main bar's one blank slot, its icon taken from the program itself, built in memory only.
void CreneauParDefaut(TBarreDlg *barre);

// Creates the strip of one drawer record on the main bar, with its arrow when the drawer holds
// buttons.
void CreerBoutonTiroir(TBarreDlg *barre, TBoutonTiroir *t);

// Creates the control of one application record, with its tooltip and icon.
void CreerBouton(TBarreDlg *barre, TBoutonAppli *r);

// Sizes the record's button and draws its icon.
void DessinerIcone(TBoutonAppli *r);

// The record of this bar whose control is `controle`, or none.
TBoutonAppli *AppliDuControle(const TBarreDlg *barre, const QWidget *controle);
TBoutonTiroir *TiroirDuControle(const TBarreDlg *barre, const QWidget *controle);

// A changed record is never patched in place: its control is built again, then the bar is laid
// out and its section written.
void RebatirBouton(TBarreDlg *barre, TBoutonAppli *r);

// Frees every record of the bar with its control; on the main bar, closes the drawer bars.
void LibererBoutons(TBarreDlg *barre);

// Rewrites the bar's section and puts each application button first in the tab order, in list
// order.
void SauverBarre(TBarreDlg *barre);

// Saves the main bar, then reserves a free drawer section and returns its name.
QString NouvelleSection();

// Moves the keyboard focus to the main bar's parking button.
void ParquerFocus();

// Starts a command line split by the Windows quoting rules, in the process's current directory,
// with the window state of `lancement`; a failure is silent.
void DemarrerCommande(const QString &commande, quint8 lancement);
// The same with one more argument, handed to the program exactly as it is.
void DemarrerCommande(const QString &commande, const QString &argument, quint8 lancement);
