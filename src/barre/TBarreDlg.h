#pragma once

#include <QList>
#include <QPair>
#include <QPixmap>
#include <QString>
#include <QUrl>
#include <QWidget>

class QAction;
class QContextMenuEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class TBitBtn;
class QKeyEvent;
class QMouseEvent;
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
    // Keys of the bar's section that it does not show (past a sane number of buttons, or past
    // its count); written back as they were.
    QList<QPair<QString, QString>> ResteSection;

    // The bar menu (the bar itself, F10 and the tray icon), the application-button menu and the
    // drawer menu of the strips. Every bar has its own three.
    QMenu *PopupMenu = nullptr;
    QAction *Fermer = nullptr, *Aide = nullptr, *AproposdeTressola = nullptr, *InsererFin = nullptr,
            *StayOnTop = nullptr, *Fermetureautomatiquedestiroirs1 = nullptr,
            *Modedeplacer = nullptr;
    QMenu *Arra0 = nullptr;
    QAction *Horizontal = nullptr, *Vertical = nullptr;
    QMenu *Posi0 = nullptr;
    QAction *Quelconque = nullptr, *hg = nullptr, *bg = nullptr, *bm = nullptr, *bd = nullptr,
            *RevenirPosition = nullptr, *DemarrerSession = nullptr;
    QMenu *PopupMenuButt = nullptr;
    QAction *Lancer = nullptr, *Inserer = nullptr, *Atteindre = nullptr, *ConfigurerAppli = nullptr,
            *Detruire = nullptr;
    QMenu *PopupMenuTiroirs = nullptr;
    QAction *OuvrirFermer = nullptr, *InsererPremier = nullptr, *ConfigHint = nullptr;

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
    // Enables the drawer menu's items for the drawer of strip `t`.
    void ActiverMenuTiroirs(const TBoutonTiroir *t);
    void Fermetureautomatiquedestiroirs1Click();

    // Launching: the focused application button's program, started or shown in the file
    // manager.
    void clicbouton();
    void LancerClick();
    void AtteindreClick();

    // Editing.
    void InsererClick();
    void InsererFinClick();
    void InsererPremierClick();
    void DetruireClick();
    // The first application button whose rectangle holds the point (bar coordinates), edges
    // included; none when no button does.
    TBoutonAppli *AppliEnPoint(QPoint point) const;

    void ConfigurerAppliClick();
    void ConfigHintClick();

    // Dragging buttons and dropping files.
    void MyMouseDown(TBitBtn *bouton, QMouseEvent *evenement);
    bool MyDragOver(const QWidget *cible, const QObject *source) const;
    void MyDragDrop(TBitBtn *cible, QObject *source);
    // One file dropped at a point of the bar: it fills a blank button, or is opened by a filled
    // button's program.
    void WMDropFiles(const QStringList &fichiers, QPoint point);

    // Menus, keyboard and moving the main bar.
    void PopupMenuPopup();
    void PopupMenuButtPopup();
    void ButtKeyDown(QKeyEvent *evenement);
    void FormKeyDown(QKeyEvent *evenement);
    void FormMouseDown(QMouseEvent *evenement);
    void FormMouseMove(QMouseEvent *evenement);
    void FormMouseUp(QMouseEvent *evenement);
    void ModedeplacerClick();
    void AideClick();
    void AproposdeTressolaClick();
    void DemarrerSessionClick();
    void TrayIconClick();
    // The main bar's tray icon; the start block creates it once the bar is on screen.
    void CreerTrayIcon();

    // Routes the events of the bar's buttons to the bar's handlers.
    bool eventFilter(QObject *objet, QEvent *evenement) override;

protected:
    void closeEvent(QCloseEvent *evenement) override;
    void moveEvent(QMoveEvent *evenement) override;
    void paintEvent(QPaintEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
    void contextMenuEvent(QContextMenuEvent *evenement) override;
    void dragEnterEvent(QDragEnterEvent *evenement) override;
    void dragMoveEvent(QDragMoveEvent *evenement) override;
    void dropEvent(QDropEvent *evenement) override;

private:
    TBarreDlg();
    void ReprendreApresErreur();
    void ChoisirPosition(quint8 position);
    void ChoisirOrientation(quint8 orientation);
    void CreerMenus();
    bool Raccourci(QWidget *controle, QKeyEvent *evenement);
    void GlisserBouton();
    bool DepotPossible(const QStringList &fichiers, const QDropEvent *evenement) const;
    void RelacherBouton(TBitBtn *bouton);
    TBitBtn *boutonPresse_ = nullptr; // pressed, not yet dragged
    QList<QUrl> adressesGlissees_;    // the files of the drag in progress over the bar
};
