#include "listfile.h"

#include "filelist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>
#include <stdexcept>

namespace {

// A list file is three short paths; anything much longer is not one.
constexpr qint64 largestListFile = 3 * 4096 + 6;

[[noreturn]] void damaged(const QString& path, const QString& why) {
    throw std::runtime_error(QStringLiteral("The list file %1 is damaged (%2), so nothing was removed.")
                                 .arg(QDir::toNativeSeparators(path), why)
                                 .toStdString());
}

} // namespace

QString writeListFile(const QString& folder, const QString& menuFolder) {
    const QString path = folder + listFileName;
    const QString text =
        menuFolder + QStringLiteral("\r\n") + folder + QStringLiteral("\r\n") + folder + QStringLiteral("\r\n");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw std::runtime_error(QStringLiteral("Cannot write the list file %1: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
    return path;
}

InstalledSet readListFile(const QString& folder) {
    const QString path = QDir(folder).filePath(listFileName);
    QFile file(path);
    if (!file.exists())
        throw std::runtime_error(
            QStringLiteral("There is no list file %1: this folder holds no installation of Velkora I Ching, so "
                           "nothing was removed.")
                .arg(QDir::toNativeSeparators(path))
                .toStdString());
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("Cannot read the list file %1: %2, so nothing was removed.")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
    if (file.size() > largestListFile)
        damaged(path, QStringLiteral("it is too long"));

    auto decode = QStringDecoder(QStringDecoder::Utf8);
    const QString text = decode(file.readAll());
    if (decode.hasError())
        damaged(path, QStringLiteral("it is not text"));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.size() != 4 || !lines[3].isEmpty())
        damaged(path, QStringLiteral("it must hold three lines"));
    lines.removeLast();
    for (const QString& line : lines)
        if (line.isEmpty() || QDir::isRelativePath(line) || line.contains(QLatin1Char('\n')))
            damaged(path, QStringLiteral("a line is not a full path"));

    const InstalledSet set{lines[0], lines[1]};
    if (QFileInfo(set.menuFolder).fileName() != shortcutSubFolder)
        damaged(path, QStringLiteral("the first line is not the menu folder \"%1\"").arg(shortcutSubFolder));
    if (!set.folder.endsWith(QLatin1Char('/')) ||
        QFileInfo(set.folder).canonicalFilePath() != QFileInfo(folder).canonicalFilePath())
        damaged(path, QStringLiteral("it names another installation folder"));
    return set;
}
