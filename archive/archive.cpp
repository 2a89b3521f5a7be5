#include "archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <filesystem>
#include <memory>
#include <zip.h>

ArchiveError::ArchiveError(const QString& message) : std::runtime_error(message.toStdString()) {}

namespace {

namespace fs = std::filesystem;

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};

// One archive file as last read: its open handle and its directory by lower-cased name.
struct OpenArchive {
    std::unique_ptr<zip_t, ZipCloser> zip;
    fs::file_time_type modified;
    std::uintmax_t size = 0;
    std::uint32_t key = 0;
    QHash<QString, zip_uint64_t> index;
};

QHash<QString, std::shared_ptr<OpenArchive>>& cache() {
    static QHash<QString, std::shared_ptr<OpenArchive>> archives;
    return archives;
}

std::uint32_t keyOf(zip_t* zip, bool* ok) {
    int length = 0;
    const char* comment = zip_get_archive_comment(zip, &length, ZIP_FL_ENC_RAW);
    const QByteArray text = comment ? QByteArray(comment, length) : QByteArray();
    *ok = text.startsWith("QORIN:");
    return *ok ? text.mid(6).trimmed().toUInt(ok) : 0;
}

std::shared_ptr<OpenArchive> readDirectory(const QString& path, const fs::path& file) {
    std::error_code ec;
    auto entry = std::make_shared<OpenArchive>();
    entry->modified = fs::last_write_time(file, ec);
    entry->size = fs::file_size(file, ec);
    if (ec)
        throw ArchiveError(QStringLiteral("The archive %1 can't be read.").arg(path));

    int error = 0;
    zip_t* zip = zip_open(file.c_str(), ZIP_RDONLY, &error);
    if (!zip) {
        if (error == ZIP_ER_NOZIP || error == ZIP_ER_INCONS)
            throw ArchiveError(QStringLiteral("The file %1 is not a valid data archive.").arg(path));
        throw ArchiveError(QStringLiteral("The archive %1 can't be opened.").arg(path));
    }
    entry->zip.reset(zip);

    bool keyed = false;
    entry->key = keyOf(zip, &keyed);
    if (!keyed)
        entry->key = 0;

    const zip_int64_t count = zip_get_num_entries(zip, 0);
    entry->index.reserve(count);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(zip, i, ZIP_FL_ENC_RAW);
        if (name)
            entry->index.insert(QString::fromLatin1(name).toLower(), zip_uint64_t(i));
    }
    return entry;
}

// The archive's directory, read again only when the file's time or size changed.
std::shared_ptr<OpenArchive> openArchive(const QString& path, std::uint32_t key) {
    const fs::path file = QFile::encodeName(path).toStdString();
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        throw ArchiveError(QStringLiteral("The archive %1 doesn't exist.").arg(path));

    const QString id = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    auto& archives = cache();
    auto entry = archives.value(id);
    if (!entry || entry->modified != fs::last_write_time(file, ec) || entry->size != fs::file_size(file, ec)) {
        archives.remove(id);
        entry = readDirectory(path, file);
        archives.insert(id, entry);
    }
    if (entry->key != key)
        throw ArchiveKeyError(QStringLiteral("The archive %1 belongs to an invalid program.").arg(path));
    return entry;
}

QByteArray readMember(const QString& path, OpenArchive& archive, zip_uint64_t index, const QString& member) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.zip.get(), index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        throw ArchiveError(QStringLiteral("The member %1 of %2 can't be read.").arg(member, path));
    const ArchiveError damaged(QStringLiteral("The member %1 of %2 is damaged.").arg(member, path));
    // The directory's sizes are not believed beyond reason: no member of ours comes near the bound.
    if (stat.size > kMaxMemberSize)
        throw damaged;

    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    zip_file_t* file = zip_fopen_index(archive.zip.get(), index, 0);
    if (!file)
        throw ArchiveError(QStringLiteral("The member %1 of %2 can't be read.").arg(member, path));
    const zip_int64_t got = stat.size ? zip_fread(file, bytes.data(), stat.size) : 0;
    // libzip checks the CRC only on a read that reaches the end, so one more read must find the end.
    char beyond = 0;
    const zip_int64_t more = zip_fread(file, &beyond, 1);
    const bool failed = zip_fclose(file) != 0;
    if (got != zip_int64_t(stat.size) || more != 0 || failed)
        throw damaged;
    return bytes;
}

} // namespace

void Archive::expandToStream(const QString& archiveName, QByteArray& stream, const QString& member) const {
    auto archive = openArchive(archiveName, Key);
    const auto it = archive->index.constFind(member.toLower());
    if (it != archive->index.constEnd())
        stream.append(readMember(archiveName, *archive, *it, member));
}

bool Archive::contains(const QString& archiveName, const QString& member) const {
    return openArchive(archiveName, Key)->index.contains(member.toLower());
}

QStringList Archive::memberNames(const QString& archiveName) const {
    auto archive = openArchive(archiveName, Key);
    QStringList names;
    for (auto it = archive->index.cbegin(); it != archive->index.cend(); ++it)
        names << QString::fromLatin1(zip_get_name(archive->zip.get(), it.value(), ZIP_FL_ENC_RAW));
    names.sort(Qt::CaseInsensitive);
    return names;
}

void Archive::expandToFolder(const QString& archiveName, const QStringList& members, const QString& folder) const {
    auto archive = openArchive(archiveName, Key);
    QDir dir(folder);
    if (!dir.exists() && !(MakeDirectories && dir.mkpath(QStringLiteral("."))))
        throw ArchiveError(QStringLiteral("The folder %1 doesn't exist.").arg(folder));

    QList<QPair<QString, QByteArray>> files;
    std::uintmax_t total = 0;
    for (const QString& member : members) {
        const auto it = archive->index.constFind(member.toLower());
        if (it == archive->index.constEnd()) {
            if (ExceptionOnFileError)
                throw ArchiveError(QStringLiteral("The archive %1 lacks %2.").arg(archiveName, member));
            continue;
        }
        files.append({member, readMember(archiveName, *archive, *it, member)});
        total += files.last().second.size();
    }

    if (CheckSpaceBeforeExpand) {
        std::error_code ec;
        const auto space = fs::space(QFile::encodeName(dir.absolutePath()).toStdString(), ec);
        if (!ec && space.available < total)
            throw ArchiveError(QStringLiteral("There is not enough space in %1.").arg(folder));
    }

    for (const auto& [name, bytes] : files) {
        QFile out(dir.filePath(name));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
            throw ArchiveError(QStringLiteral("The file %1 can't be written.").arg(out.fileName()));
    }
}

void Archive::clearCache() {
    cache().clear();
}
