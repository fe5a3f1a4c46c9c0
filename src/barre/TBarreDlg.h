#pragma once

#include <QPixmap>
#include <QWidget>

class QAction;
class QMenu;
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

    // The drawer menu of the strips.
    QMenu *PopupMenuTiroirs = nullptr;
    QAction *OuvrirFermer = nullptr;
    QAction *InsererPremier = nullptr;
    QAction *ConfigHint = nullptr;

    // Creation and closing.
    void FormCreate();
    void FormClose();
    void FermerClick();

    // Layout and placement; each acts on the main bar and the global settings, whichever bar's
    // menu was used.
    void FormPaint();
    void HorizontalClick();
    void VerticalClick();
    void hgClick();
    void bgClick();
    void bdClick();
    void bmClick();
    void QuelconqueClick();
    void RevenirPositionClick();
    void StayOnTopClick();

    // Drawers.
    void TiroirClick();
    void PopupMenuTiroirsPopup();
    void Fermetureautomatiquedestiroirs1Click();

protected:
    void closeEvent(QCloseEvent *evenement) override;
    void moveEvent(QMoveEvent *evenement) override;
    void paintEvent(QPaintEvent *evenement) override;

private:
    TBarreDlg();
    void ReprendreApresErreur();
    void ChoisirPosition(quint8 position);
    void ChoisirOrientation(quint8 orientation);
};
