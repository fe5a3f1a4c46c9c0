#pragma once

class QApplication;

// The start block: names the application, creates the main bar and the dialogs, each once for the
// whole run, and runs the event loop. Returns the program's exit code.
int Demarrer(QApplication &application);
