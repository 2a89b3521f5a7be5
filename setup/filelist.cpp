#include "filelist.h"

#ifdef Q_OS_WIN
#define PROGRAM_SUFFIX ".exe"
#else
#define PROGRAM_SUFFIX ""
#endif

const QStringList& fileList() {
    static const QStringList files{QStringLiteral("qorin" PROGRAM_SUFFIX), QStringLiteral("uninst" PROGRAM_SUFFIX),
                                   QStringLiteral("DATA1.HHZ"), QStringLiteral(ORACLE_LIBRARY_NAME)};
    return files;
}

QString mainProgramName() {
    return fileList()[0];
}

QString uninstallerName() {
    return fileList()[1];
}

QString oracleLibraryName() {
    return fileList()[3];
}

const std::array<ShortcutEntry, 2>& shortcutEntries() {
    static const std::array<ShortcutEntry, 2> entries{
        ShortcutEntry{mainProgramName(), QStringLiteral("Velkora I Ching"),
                      QStringLiteral("Read the Book of Changes and consult its oracle"),
                      QStringLiteral("accessories-dictionary")},
        ShortcutEntry{uninstallerName(), QStringLiteral("Uninstall Velkora I Ching"),
                      QStringLiteral("Remove Velkora I Ching from this computer"), QStringLiteral("edit-delete")}};
    return entries;
}
