#pragma once

#include <QByteArrayView>
#include <QString>

namespace platform::icones {

// The Icon key of a desktop entry's [Desktop Entry] group, with its escapes undone: an absolute
// path or the name of an icon of the theme. Empty when there is none.
QString iconeBureau(QByteArrayView contenu);

} // namespace platform::icones
