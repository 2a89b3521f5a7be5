#include "installsteps.h"

#include "filelist.h"
#include "listfile.h"
#include "shortcuts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#ifdef Q_OS_WIN
#include <QSettings>
#endif
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace {

QString withSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

[[noreturn]] void fail(const QString& what, const QString& path, const QString& reason) {
    throw std::runtime_error(
        QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), reason).toStdString());
}

} // namespace

bool startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) {
    return QProcess::startDetached(program, arguments, workingFolder);
}

qint64 driveFreeBytes(const QString& folder) {
    std::filesystem::path path = QDir::cleanPath(QDir::current().absoluteFilePath(folder)).toStdString();
    std::error_code error;
    while (!std::filesystem::exists(path, error) && path.has_relative_path())
        path = path.parent_path();
    const std::filesystem::space_info space = std::filesystem::space(path, error);
    if (error)
        return -1;
    return static_cast<qint64>(space.available);
}

#ifdef Q_OS_WIN
// A string value under HKEY_LOCAL_MACHINE; empty when the key or the value is missing.
QString readMachineString(const QString& key, const QString& value) {
    return QSettings(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::NativeFormat).value(value).toString();
}
#endif

QString defaultFolder() {
#ifdef Q_OS_WIN
    QString folder = readMachineString(QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion"),
                                       QStringLiteral("ProgramFilesDir"));
    if (folder.isEmpty())
        folder = readMachineString(QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion"),
                                   QStringLiteral("ProgramFilesDir"));
    if (folder.isEmpty())
        folder = QStringLiteral("C:");
    return QDir::fromNativeSeparators(folder) + QLatin1Char('/') + installFolderName;
#else
    return QDir::homePath() + QLatin1Char('/') + installFolderName;
#endif
}

QString browsedFolder(const QString& picked) {
    if (QFileInfo::exists(withSlash(picked) + oracleLibraryName()))
        return withSlash(picked);
    return withSlash(picked) + installFolderName;
}

QString installationFolder(const QString& text) {
    QString folder = text.trimmed();
    if (folder.isEmpty())
        return {};
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    return withSlash(QDir::cleanPath(QDir::current().absoluteFilePath(folder)));
}

void forceFolders(const QString& folder) {
    QDir().mkpath(folder);
}

void copyFileBlocks(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot read"), source, in.errorString());
    // The copy goes to a temporary file that replaces the target at the end: a running program is replaced
    // safely, a failed copy leaves the old file, and copying a file onto itself loses nothing.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        fail(QStringLiteral("Cannot create"), target, out.errorString());
    QByteArray block;
    do {
        block = in.read(copyBlockSize);
        if (in.error() != QFileDevice::NoError)
            fail(QStringLiteral("Cannot read"), source, in.errorString());
        if (out.write(block) != block.size())
            fail(QStringLiteral("Cannot write"), target, out.errorString());
    } while (block.size() == copyBlockSize);
    if (!out.commit())
        fail(QStringLiteral("Cannot write"), target, out.errorString());
    if (!QFile::setPermissions(target, in.permissions()))
        fail(QStringLiteral("Cannot set the permissions of"), target, QStringLiteral("refused"));
}

int progressRight(int k, int count) {
    return static_cast<int>(std::lround(progressLeft + static_cast<double>(progressSpan) / count * k));
}

int InstallResult::messageId() const {
    switch (outcome) {
    case InstallOutcome::Installed:
        return 0;
    case InstallOutcome::NoFreeSpace:
        return 1001;
    case InstallOutcome::FileMissing:
        return 1002;
    case InstallOutcome::Failed:
        break;
    }
    return 1004;
}

InstallResult installFiles(const QString& sourceFolder, const QString& folderText, const InstallHooks& hooks) {
    const QString source = withSlash(sourceFolder);
    for (const QString& file : fileList())
        if (!QFileInfo::exists(source + file))
            return {InstallOutcome::FileMissing, QDir::toNativeSeparators(source + file), {}};

    const QString folder = installationFolder(folderText);
    if (folder.isEmpty())
        return {InstallOutcome::Failed, QStringLiteral("No installation folder was given."), {}};
    const qint64 free = hooks.freeBytes ? hooks.freeBytes(folder) : -1;
    if (free > 0 && free < requiredFreeBytes)
        return {InstallOutcome::NoFreeSpace,
                QStringLiteral("%1 bytes free, %2 needed.").arg(free).arg(requiredFreeBytes), folder};

    const auto report = [&hooks](const QString& line) {
        if (hooks.report)
            hooks.report(line);
    };
    try {
        if (hooks.progress)
            hooks.progress(progressLeft);
        forceFolders(folder);
        const int count = static_cast<int>(fileList().size());
        for (int k = 1; k <= count; ++k) {
            const QString& file = fileList()[k - 1];
            const QString target = folder + file;
            if (file == oracleLibraryName() && QFileInfo::exists(target)) {
                report(QStringLiteral("kept %1").arg(QDir::toNativeSeparators(target)));
            } else {
                copyFileBlocks(source + file, target);
                report(QStringLiteral("copied %1 to %2").arg(file, QDir::toNativeSeparators(target)));
            }
            if (hooks.progress)
                hooks.progress(progressRight(k, count));
        }
        const QString menuFolder = shortcutFolder();
        for (const ShortcutEntry& entry : shortcutEntries())
            report(QStringLiteral("menu entry %1")
                       .arg(QDir::toNativeSeparators(createShortcut(folder + entry.target, entry, menuFolder))));
        report(QStringLiteral("list file %1").arg(QDir::toNativeSeparators(writeListFile(folder, menuFolder))));
    } catch (const std::exception& e) {
        return {InstallOutcome::Failed, QString::fromUtf8(e.what()), folder};
    }
    return {InstallOutcome::Installed, {}, folder};
}

void cleanUpSource(const QString& sourceFolder, const ProcessStarter& start) {
    if (start)
        start(withSlash(sourceFolder) + uninstallerName(), {handOverArgument}, sourceFolder);
}
