#pragma once

#include <QString>

// Where the help document lives: a folder `aide` of HTML pages among the program's shared files
// (beside the executable, or share/tressola/ of an installation), one page per help context.
namespace platform {

inline constexpr int ContexteSommaire = 0;       // the contents page
inline constexpr int ContexteConfiguration = 14; // the application configuration dialog

// Full path of the page for a help context; the contents page for a context without a page of
// its own. The file may be missing.
QString cheminAide(int contexte);

} // namespace platform
