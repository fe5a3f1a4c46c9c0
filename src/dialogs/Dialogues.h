#pragma once

// The dialogs live for the whole run, each made once: at its first use, so that a bar that is only
// clicked never pays for them. The start block deletes those that were made.
template <class Dialogue>
Dialogue &Unique(Dialogue *&global) {
    if (!global)
        global = new Dialogue;
    return *global;
}
