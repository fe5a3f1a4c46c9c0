#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons, one above the other, whose value is the index of the one
// selected.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString &titre, const QStringList &elements, QWidget *parent = nullptr);

    // Index of the selected item; -1 when none is.
    int ItemIndex() const;
    // Selects an item; an index past either end selects the nearest one there is, -1 none.
    void SetItemIndex(int index);

    QList<QRadioButton *> Items;

private:
    QButtonGroup *Groupe;
};
