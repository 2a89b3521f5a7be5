#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>

// The key that the program's own data archive carries in its ZIP comment.
inline constexpr std::uint32_t kArchiveKey = 1150519415u;

// The largest member the reader accepts: a directory that declares more is damaged.
inline constexpr std::uint64_t kMaxMemberSize = 64u << 20;

// Raised when an archive file is missing, unreadable or damaged; the message names the file.
class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// Raised when an archive carries another key than the one the component expects.
class ArchiveKeyError : public ArchiveError {
public:
    using ArchiveError::ArchiveError;
};

// Reads members of the data archive, a ZIP file whose member names match without regard to case.
// Each archive's central directory is read once and read again only when the file changes.
class Archive {
public:
    bool MakeDirectories = false;        // create the target folder of expandToFolder when it is missing
    bool ExceptionOnFileError = false;   // expandToFolder raises on a listed member that the archive lacks
    bool CheckSpaceBeforeExpand = false; // expandToFolder checks the free space first
    std::uint32_t Key = kArchiveKey;

    // Appends the member's bytes to stream; a member the archive lacks leaves the stream as it was.
    void expandToStream(const QString& archiveName, QByteArray& stream, const QString& member) const;

    // Writes every listed member as a file of the same name into folder.
    void expandToFolder(const QString& archiveName, const QStringList& members, const QString& folder) const;

    // True when the archive holds the member.
    bool contains(const QString& archiveName, const QString& member) const;

    // Names of every member, as stored.
    QStringList memberNames(const QString& archiveName) const;

    // Forgets every archive read so far (the next request reads the directory again).
    static void clearCache();
};
