#pragma once

#include <QString>

// Longest text that the string table hands out.
inline constexpr int kMaxProgramString = 254;

// The program's fixed texts and messages by id (1..300); an unknown id gives empty text.
QString loadProgramString(int id);
