#pragma once

#include <QString>

struct ShortcutEntry;

// The menu folder of the installation: the user's applications folder ($XDG_DATA_HOME/applications) +
// "Velkora I Ching".
QString shortcutFolder();

// The desktop entry that starts target (an absolute path) in its own folder.
QString desktopEntry(const QString& target, const ShortcutEntry& entry);

// Writes entry's desktop file for target into folder, creating the folder, and returns the file's path.
// Throws std::runtime_error when it can't be written.
QString createShortcut(const QString& target, const ShortcutEntry& entry, const QString& folder);

// The desktop file of an entry in the menu folder.
QString shortcutPath(const QString& folder, const ShortcutEntry& entry);
