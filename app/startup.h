#pragma once

#include <QString>

// Makes the program's folder the current folder and remembers it as the program folder.
// Returns false when the folder can't be entered.
bool enterProgramFolder(const QString& folder);

// True when the data archive stands in the current folder.
bool archivePresent();
