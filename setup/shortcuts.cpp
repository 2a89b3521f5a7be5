#include "shortcuts.h"

#include "filelist.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <stdexcept>

namespace {

// A string value of a desktop entry: backslashes and control characters escaped.
QString escapedValue(const QString& text) {
    QString value;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            value += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            value += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            value += QLatin1String("\\r");
        else
            value += c;
    }
    return value;
}

// The Exec line's program: quoted, with the characters that quoting leaves special escaped, and "%" doubled
// since it starts a field code.
QString quotedProgram(const QString& program) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

} // namespace

QString shortcutFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/applications/") +
           shortcutSubFolder;
}

QString desktopEntry(const QString& target, const ShortcutEntry& entry) {
    const QString folder = QFileInfo(target).absolutePath();
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=%1\n"
                          "Comment=%2\n"
                          "Icon=%3\n"
                          "Exec=%4\n"
                          "TryExec=%5\n"
                          "Path=%6\n"
                          "Terminal=false\n"
                          "Categories=Education;\n")
        .arg(escapedValue(entry.name), escapedValue(entry.comment), escapedValue(entry.icon),
             escapedValue(quotedProgram(target)), escapedValue(target), escapedValue(folder));
}

QString shortcutPath(const QString& folder, const ShortcutEntry& entry) {
    return folder + QLatin1Char('/') + entry.name + QStringLiteral(".desktop");
}

QString createShortcut(const QString& target, const ShortcutEntry& entry, const QString& folder) {
    QDir().mkpath(folder);
    const QString path = shortcutPath(folder, entry);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(desktopEntry(target, entry).toUtf8()) < 0 || !file.commit())
        throw std::runtime_error(QStringLiteral("Cannot write the menu entry %1: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
    return path;
}
