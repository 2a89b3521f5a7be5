#pragma once

#include <QString>

// Longest text that the string table hands out.
inline constexpr int kMaxProgramString = 254;

// The program's fixed texts and messages by id (1..300); an unknown id gives empty text.
QString loadProgramString(int id);

// The message that ends a program whose archive lacks what it must hold (strings 52, 53, 1 and 54).
QString invalidProgramMessage(const QString& archiveName, const QString& version);
