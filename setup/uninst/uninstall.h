#pragma once

#include <QStringList>

struct InstalledSet;

// The user's own files in an installation folder, kept unless the user asks otherwise: the journal table with
// its memo and index files, and the skins folder.
const QStringList& journalFiles();
inline const QString skinsFolderName = QStringLiteral("skins");

struct UninstallReport {
    QStringList removed;
    QStringList kept;
    QStringList failed;
};

// Removes what setup installed: the menu entries and their folder, the installed files and the list file, then
// the installation folder when nothing else is left in it. The journal and the skins go too when asked.
UninstallReport uninstall(const InstalledSet& set, bool removeJournal);
