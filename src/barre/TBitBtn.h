#pragma once

#include <QPushButton>

// The push button that carries a picture: application buttons and drawer strips. Lookups of a
// record by its control only consider controls of this kind.
class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtn(QWidget *parent);
};
