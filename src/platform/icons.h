#pragma once

#include <QImage>
#include <QString>

// The platform's icon extraction. A file holds a number of icons, counted and indexed as the
// Windows shell counts them; every reader bounds-checks what it reads and never trusts the
// file's own sizes and counts.

// Number of icons in the file: 0 when it holds none or cannot be read.
int iconCount(const QString &file);

// Icon number index of the file, 32 x 32 with its alpha channel; null when there is no such icon.
QImage iconImage(const QString &file, int index);
