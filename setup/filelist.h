#pragma once

#include <QString>
#include <QStringList>
#include <array>

// What the installer puts where: the files it copies, the menu entries it writes and the fixed names and sizes.
// `setup` and `uninst` both read this table, so they always agree on what belongs to an installation.

// The files copied into the installation folder, in copying order: the program, the uninstaller, the data
// archive and the oracle library (never replaced once installed).
const QStringList& fileList();
QString mainProgramName();
QString uninstallerName();
QString oracleLibraryName();

// One menu entry: the file it starts (one of fileList()), its name, a line describing it and the name of its
// icon in the desktop's icon theme.
struct ShortcutEntry {
    QString target;
    QString name;
    QString comment;
    QString icon;
};
const std::array<ShortcutEntry, 2>& shortcutEntries();

// The menu folder the entries go into, under the user's applications folder.
inline const QString shortcutSubFolder = QStringLiteral("Velkora I Ching");
// The folder name appended to the home folder and to a browsed folder.
inline const QString installFolderName = QStringLiteral("Velkorin");
// The list file beside the uninstaller: menu folder, installation folder, installation folder again.
#ifdef Q_OS_WIN
inline const QString listFileName = QStringLiteral("uninst");
#else
inline const QString listFileName = QStringLiteral("uninst.list");
#endif
// The argument with which setup hands over to the source folder's uninstaller; it tells it to do nothing.
inline const QString handOverArgument = QStringLiteral("setup.exe");

inline const QString setupTitle = QStringLiteral("Setup of Velkora I Ching 1.15");
inline constexpr qint64 requiredFreeBytes = 2'700'000;
inline constexpr qint64 copyBlockSize = 8192;
