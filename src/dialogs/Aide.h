#pragma once

#include "platform/Aide.h"

// Opens the help document in the browser at the page of a help context (platform::ContexteSommaire
// for the contents, platform::ContexteConfiguration for the configuration dialog). A missing
// document, or one that nothing could open, is reported to the user; false then.
bool AfficherAide(int contexte);
