#pragma once

#include <QString>

// `setup --install DIR`: installs into DIR without the dialog and without starting the program. Prints one line
// for each thing done and returns 0, or prints the failing step's message on standard error and returns 1.
int installUnattended(const QString& sourceFolder, const QString& folder);
