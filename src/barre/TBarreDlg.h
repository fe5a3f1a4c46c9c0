#pragma once

#include <QPixmap>
#include <QWidget>

class QPushButton;
struct TBoutonAppli;
struct TBoutonTiroir;

// A bar window: the main bar (the first one created) or the bar of one drawer. Every bar is built
// the same way by its creation handler, FormCreate, and written back by its close handler,
// FormClose.
class TBarreDlg : public QWidget {
    Q_OBJECT
public:
    // Creates a bar. `destination` holds the new window before its creation handler runs, which a
    // drawer bar relies on: its buttons take the window of its drawer record as their parent.
    // The bar is shown once created.
    static TBarreDlg *Creer(TBarreDlg *&destination);
    ~TBarreDlg() override;

    // The four hidden pictures that serve as the glyphs of drawer strips.
    QPixmap FlecheHaut, FlecheBas, FlecheDroite, FlecheGauche;
    // Holds the keyboard focus whenever a button that may have it is about to go; the main bar's
    // serves every bar.
    QPushButton *Bidon = nullptr;

    bool EstPrincipale = false;
    TBoutonTiroir *Tiroir = nullptr;       // drawer bar: the main bar's record of its drawer
    TBoutonAppli *Liste = nullptr;         // first application record
    TBoutonTiroir *ListeTiroirs = nullptr; // main bar: first drawer record
    int Tag = 0;                           // drawer bar: 0 open, 1 hidden

    void FormCreate();
    void FormClose();
    void FermerClick();

protected:
    void closeEvent(QCloseEvent *evenement) override;

private:
    TBarreDlg();
    void ReprendreApresErreur();
};
