#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of the archive's text. The five bytes that it leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value and back.
QString fromCp1252(const QByteArray& bytes);

// Converts to Windows-1252; a character that it can't hold becomes "?".
QByteArray toCp1252(const QString& text);

// True when every character of text has a Windows-1252 code.
bool fitsCp1252(QStringView text);

// The first character of text that Windows-1252 can't hold, or -1.
qsizetype firstNonCp1252(QStringView text);
