#pragma once

#include <QString>

// The folder of the running program, ending in "/". The program sets it at start;
// until then it is the folder of the executable.
QString programDir();
void setProgramDir(const QString& folder);
