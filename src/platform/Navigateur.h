#pragma once

#include <QUrl>
#include <functional>

// Opening a document or a folder with the desktop's own handler (the browser, the file manager).
namespace platform {

// Hands the address to the desktop; false when nothing could open it.
bool ouvrirUrl(const QUrl &adresse);

// Replaces the desktop's handler (tests, where no browser runs); an empty function brings it back.
using OuvreurUrl = std::function<bool(const QUrl &)>;
void definirOuvreurUrl(OuvreurUrl ouvreur);

} // namespace platform
