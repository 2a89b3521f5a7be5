#pragma once

#include <QStringList>

// `qorin --page N [--moving K,K...] [--width W] [--screen S]`: prints hexagram N's composed page
// (or the adapted introduction for N = 0) to standard output and returns the exit code.
int runPageCommand(const QStringList& arguments);
