#include "archivewriter.h"

#include "archive.h"

#include <QFile>
#include <filesystem>
#include <zip.h>

void writeArchive(const QString& path, const QList<ArchiveMember>& members, std::uint32_t key) {
    const QString temp = path + QStringLiteral(".part");
    QFile::remove(temp);
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(temp).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        throw ArchiveError(QStringLiteral("The archive %1 can't be created.").arg(path));

    // libzip reads the buffers when it closes the archive, so they must live until then.
    QList<QByteArray> data;
    data.reserve(members.size());
    bool ok = true;
    for (const auto& [name, bytes] : members) {
        data.append(bytes);
        zip_source_t* source = zip_source_buffer(zip, data.last().constData(), data.last().size(), 0);
        const QByteArray raw = name.toLatin1();
        if (!source || zip_file_add(zip, raw.constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_RAW) < 0) {
            zip_source_free(source);
            ok = false;
            break;
        }
    }
    const QByteArray comment = "QORIN:" + QByteArray::number(key);
    ok = ok && zip_set_archive_comment(zip, comment.constData(), zip_uint16_t(comment.size())) == 0;
    if (!ok) {
        zip_discard(zip);
        throw ArchiveError(QStringLiteral("The archive %1 can't be written.").arg(path));
    }
    if (zip_close(zip) != 0) {
        zip_discard(zip);
        QFile::remove(temp);
        throw ArchiveError(QStringLiteral("The archive %1 can't be written.").arg(path));
    }
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(temp).toStdString(), QFile::encodeName(path).toStdString(), ec);
    if (ec)
        throw ArchiveError(QStringLiteral("The archive %1 can't be written.").arg(path));
}
