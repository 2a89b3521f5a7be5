#pragma once

#include <QString>

// The list file beside the uninstaller: three lines, each ended by CR LF: the menu folder, the installation
// folder ending in "/", and the installation folder again (its short form elsewhere; here the same path).

// Writes the list file into folder (ending in "/") and returns its path. Throws std::runtime_error on failure.
QString writeListFile(const QString& folder, const QString& menuFolder);

// What a list file tells: the menu folder and the installation folder (ending in "/").
struct InstalledSet {
    QString menuFolder;
    QString folder;
};

// Reads the list file in folder, which must be the installation folder it names. Throws std::runtime_error
// with a message for the user when the file is missing or damaged.
InstalledSet readListFile(const QString& folder);
