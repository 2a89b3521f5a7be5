#pragma once

#include <QString>
#include <QStringList>

class Archive;

// The member name of hexagram n's text: two digits and ".txt".
QString numToNom(int n);

// Splits Windows-1252 text into lines at CR LF, CR or LF; a final line break adds no empty line.
QStringList memberLines(const QByteArray& bytes);

// The lines of an archive member; a member the archive lacks gives no lines.
// Raises ArchiveError when the archive itself can't be read.
QStringList expande(const Archive& archive, const QString& archivePath, const QString& member);
