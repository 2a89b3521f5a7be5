#include "uninstall.h"

#include "filelist.h"
#include "listfile.h"
#include "shortcuts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool present(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

void removeFile(const QString& path, UninstallReport& report) {
    if (!present(path))
        return;
    (QFile::remove(path) ? report.removed : report.failed).append(QDir::toNativeSeparators(path));
}

// A folder goes only when it is empty: anything the user put there stays, and so does the folder.
void removeEmptyFolder(const QString& path, UninstallReport& report) {
    if (QFileInfo(path).isDir() &&
        QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System) && QDir().rmdir(path))
        report.removed.append(QDir::toNativeSeparators(path));
}

} // namespace

const QStringList& journalFiles() {
    static const QStringList files{QStringLiteral("oracle.dbf"),   QStringLiteral("oracle.dbt"),
                                   QStringLiteral("date.ndx"),     QStringLiteral("h1.ndx"),
                                   QStringLiteral("question.ndx"), QStringLiteral("group.ndx"),
                                   QStringLiteral("name.ndx"),     QStringLiteral("h2.ndx")};
    return files;
}

UninstallReport uninstall(const InstalledSet& set, bool removeJournal) {
    UninstallReport report;
    for (const ShortcutEntry& entry : shortcutEntries())
        removeFile(shortcutPath(set.menuFolder, entry), report);
    removeEmptyFolder(set.menuFolder, report);

    for (const QString& file : fileList())
        removeFile(set.folder + file, report);
    removeFile(set.folder + listFileName, report);

    const QString skins = set.folder + skinsFolderName;
    if (removeJournal) {
        for (const QString& file : journalFiles())
            removeFile(set.folder + file, report);
        if (QFileInfo(skins).isDir())
            (QDir(skins).removeRecursively() ? report.removed : report.failed).append(QDir::toNativeSeparators(skins));
    } else {
        for (const QString& file : journalFiles())
            if (present(set.folder + file))
                report.kept.append(QDir::toNativeSeparators(set.folder + file));
        if (QFileInfo(skins).isDir())
            report.kept.append(QDir::toNativeSeparators(skins));
    }
    removeEmptyFolder(set.folder, report);
    return report;
}
