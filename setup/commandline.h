#pragma once

#include <QString>

class QCommandLineParser;

// Parses the program's arguments; returns what is wrong with them, or empty text when they are fine. The
// programs take options only.
QString argumentError(QCommandLineParser& parser);
