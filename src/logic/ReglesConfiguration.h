#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// Text rules of the application configuration dialog.

// A working directory as it is left: a non-empty text that does not end with `separateur` gets
// one. Only that character counts, so «C:» becomes «C:\».
QString AvecSeparateurFinal(const QString &repertoire, QChar separateur);

enum class FormatIcone { Aucun, Bmp, Ico };

// The format an icon is exported in, from the name the user gave: the first four characters of
// its extension, letters a to z taken in upper case, must read exactly «.BMP» or «.ICO». So
// «icone.bmpx» is a BMP, «icone.bm» and «icone» are nothing.
FormatIcone FormatExport(const QString &nomFichier, QStringView separateurs);
