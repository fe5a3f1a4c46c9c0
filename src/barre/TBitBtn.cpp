#include "barre/TBitBtn.h"

TBitBtn::TBitBtn(QWidget *parent) : QPushButton(parent) {}
