#pragma once

#include <QStringList>

// `qorin --report trigrams|hexagrams [--sort frequency]`: prints the analysis report's page over the
// journal of the program folder, asking for the journal password on standard error when one is set.
// Returns the exit code: 0, 1 for a refused password or a journal that can't be read, 2 for bad arguments.
int runReportCommand(const QStringList& arguments);
