#pragma once

#include <QStringList>

// `qorin --page N [--moving K,K...] [--width W] [--screen S]`: prints hexagram N's composed page
// (or the adapted introduction for N = 0) to standard output and returns the exit code.
int runPageCommand(const QStringList& arguments);

// Writes each line to standard output in UTF-8, ending each with a newline: the output of the page-like commands.
void printLines(const QStringList& lines);
