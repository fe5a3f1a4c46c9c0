#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>

class QAbstractButton;
class QSpinBox;
class QToolButton;

// The icon chooser: a row of flat buttons, one per icon of a file, shown modally; its window,
// border and caption included, is as wide as its row asks. A click on one
// writes its index into the target field and closes the chooser. The buttons are made anew at
// each show and go when it hides.
class TChoixIconeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TChoixIconeDlg(QWidget *parent = nullptr);

    // Set before showing: the icon source and how many of its icons to offer (at most 40).
    QString NomFichier;
    int Nombre = 0;
    // Receives the index of the icon clicked; nothing is written when the chooser closes
    // otherwise.
    QPointer<QSpinBox> Cible;

    int Choisi = -1; // index of the icon clicked last

    // What the last show took from the file.
    QList<QImage> Images;
    QList<QToolButton *> Boutons;

    void FormShow();
    void ClicChoix(QAbstractButton *bouton);
    void FormHide();

protected:
    void showEvent(QShowEvent *evenement) override;
    void hideEvent(QHideEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;
    void paintEvent(QPaintEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;

private:
    Qt::Edges BordsEn(QPoint point) const;

    bool DejaMontre = false;
    QWidget *Titre = nullptr;
    QWidget *Surface = nullptr; // holds the buttons, inside the border and below the caption
};
