#include "pictures.h"

#include "archive.h"

#include <QDir>
#include <QFile>

QByteArray visorImageRequest(const QString& name, const QString& skinFolder, const Archive& archive,
                             const QString& archivePath) {
    static const QStringList skinPictures = {QStringLiteral("back1.bmp"), QStringLiteral("back2.bmp"),
                                             QStringLiteral("introback.bmp"), QStringLiteral("line1.bmp")};
    const QString lower = name.toLower();
    if (skinPictures.contains(lower)) {
        QFile file(QDir(skinFolder).filePath(lower));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray stream;
    try {
        archive.expandToStream(archivePath, stream, lower);
    } catch (const ArchiveError&) {
        // A picture that can't be had shows as no picture.
        stream.clear();
    }
    return stream;
}
