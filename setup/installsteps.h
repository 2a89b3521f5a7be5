#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The installation's steps, shared by the dialog and `setup --install DIR`.

// Starts a program with its arguments and working folder without waiting; false when it could not start.
using ProcessStarter =
    std::function<bool(const QString& program, const QStringList& arguments, const QString& workingFolder)>;
bool startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder);

// Free bytes on the file system that holds the folder (or its nearest existing parent); -1 when it can't be told.
using FreeBytesQuery = std::function<qint64(const QString& folder)>;
qint64 driveFreeBytes(const QString& folder);

// The folder offered at start: the home folder + "Velkorin" (on Windows, the program-files folder + "Velkorin").
QString defaultFolder();
// The installation folder for a folder picked in the browser: the folder itself when it already holds the oracle
// library (an earlier installation), otherwise the folder + "Velkorin".
QString browsedFolder(const QString& picked);
// The folder text of the dialog or the command line as an absolute path ending in "/": a leading "~" is the
// home folder, a relative path lies in the current folder. Empty text gives empty text.
QString installationFolder(const QString& text);

// Creates the folder with every missing parent; failures show up when files are written into it.
void forceFolders(const QString& folder);
// Copies source to target in blocks of 8192 bytes, replacing the target only once the copy is whole and keeping
// the source's permissions. Throws std::runtime_error with the reason when a file can't be read or written.
void copyFileBlocks(const QString& source, const QString& target);

// The progress bar's right edge after k of count files.
inline constexpr int progressLeft = 101;
inline constexpr int progressSpan = 229;
int progressRight(int k, int count);

enum class InstallOutcome { Installed, FileMissing, NoFreeSpace, Failed };

struct InstallResult {
    InstallOutcome outcome = InstallOutcome::Failed;
    QString detail; // the missing file, the free bytes or the failure's reason
    QString folder; // the installation folder, ending in "/"
    // The id of the installer string that tells the outcome (0 when installed).
    int messageId() const;
};

struct InstallHooks {
    FreeBytesQuery freeBytes = driveFreeBytes;
    // The bar's right edge: progressLeft when copying starts, then after each file.
    std::function<void(int right)> progress;
    // One line for each thing done: a file copied or kept, a menu entry, the list file.
    std::function<void(const QString& line)> report;
};

// Installs the files of the source folder into the folder named by folderText: checks that every file is there
// and that the drive has room, copies them (keeping an installed oracle library), writes the menu entries and
// the list file. What was done before a failure stays.
InstallResult installFiles(const QString& sourceFolder, const QString& folderText, const InstallHooks& hooks);

// Hands over to the source folder's uninstaller with the argument "setup.exe"; a failure to start is ignored.
void cleanUpSource(const QString& sourceFolder, const ProcessStarter& start);
