#pragma once

#include <QString>
#include <QtGlobal>

class TBitBtn;
class TBarreDlg;

// One application button of a bar. A bar keeps them in a circular singly linked list whose order
// is the order on the bar and the index order of the board-file keys.
struct TBoutonAppli {
    TBitBtn *Bouton = nullptr; // the control on the bar, owned by the bar
    QString WDir;              // working directory for the launch; empty for none
    QString Hint;              // tooltip; empty for none
    QString LigCom;            // command line
    QString Name;              // file the icon is taken from
    quint8 Lancement = 0;      // window state: 0 normal, 1 maximised, 2 minimised
    qint32 Icon = -1;          // index of the icon in Name; negative for none
    TBoutonAppli *Suivant = nullptr;
};

// One drawer strip of the main bar. Its list runs in step with the main bar's application list:
// record i of each forms slot i.
struct TBoutonTiroir {
    TBitBtn *Bouton = nullptr;
    QString NomSection;         // board-file section of the drawer's buttons
    QString THint;              // tooltip of the strip; empty for none
    TBarreDlg *Barre = nullptr; // the drawer's bar while it exists, shown or hidden
    TBoutonTiroir *Suivant = nullptr;
};

// Walks a circular list once around from its head.
template <class T, class F>
void PourChaque(T *tete, F &&f) {
    if (!tete)
        return;
    T *r = tete;
    do {
        T *suivant = r->Suivant;
        f(r);
        r = suivant;
    } while (r != tete);
}

template <class T>
int Longueur(T *tete) {
    int n = 0;
    PourChaque(tete, [&n](T *) { ++n; });
    return n;
}

// Frees every record of a circular list (not their controls).
template <class T>
void DetruireListe(T *&tete) {
    if (!tete)
        return;
    T *r = tete->Suivant;
    while (r != tete) {
        T *suivant = r->Suivant;
        delete r;
        r = suivant;
    }
    delete tete;
    tete = nullptr;
}
