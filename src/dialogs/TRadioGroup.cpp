#include "dialogs/TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

TRadioGroup::TRadioGroup(const QString &titre, const QStringList &elements, QWidget *parent)
    : QGroupBox(titre, parent), Groupe(new QButtonGroup(this)) {
    auto *colonne = new QVBoxLayout(this);
    for (const QString &texte : elements) {
        auto *item = new QRadioButton(texte, this);
        Groupe->addButton(item, int(Items.size()));
        colonne->addWidget(item);
        Items.append(item);
    }
}

int TRadioGroup::ItemIndex() const {
    return Groupe->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    index = std::clamp(index, -1, int(Items.size()) - 1);
    if (index >= 0) {
        Items[index]->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked button go on its own.
    Groupe->setExclusive(false);
    for (QRadioButton *item : std::as_const(Items))
        item->setChecked(false);
    Groupe->setExclusive(true);
}
