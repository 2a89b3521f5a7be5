#pragma once

#include <QStringList>

// `qorin --search TEXT [--match-case] [--from N]`: prints the number and title of every hexagram
// page from N (default 1) to 64 that holds TEXT, one a line in page order. Returns 0 when some page
// holds it, 1 when none does (or the archive can't be read), 2 for bad arguments and for text with
// the refused markup ("Not found").
int runSearchCommand(const QStringList& arguments);
