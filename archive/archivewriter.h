#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <utility>

using ArchiveMember = std::pair<QString, QByteArray>;

// Writes a new archive holding the members in order, with the key in its comment.
// The file is written beside the target and renamed over it; raises ArchiveError on failure.
void writeArchive(const QString& path, const QList<ArchiveMember>& members, std::uint32_t key);
