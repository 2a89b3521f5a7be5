// The uninstaller: removes the installation it sits in, as its list file tells, after asking; `--yes` removes
// without asking. Started with "setup.exe" it is setup's hand-over and does nothing.
#include "commandline.h"
#include "filelist.h"
#include "listfile.h"
#include "uninstall.h"
#include "uninstwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

bool needsNoWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--yes") == 0 || std::strcmp(argv[i], "--help") == 0 ||
            std::strcmp(argv[i], "-h") == 0)
            return true;
    return false;
}

void printLines(std::FILE* stream, const char* verb, const QStringList& paths) {
    for (const QString& path : paths)
        std::fprintf(stream, "%s %s\n", verb, path.toUtf8().constData());
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && QString::fromLocal8Bit(argv[1]) == handOverArgument)
        return 0;

    std::unique_ptr<QCoreApplication> app = needsNoWindow(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                                                      : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("uninst"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Removes the installation of Velkora I Ching in this folder."));
    parser.addHelpOption();
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("Remove without asking."));
    const QCommandLineOption removeJournal(QStringLiteral("remove-journal"),
                                           QStringLiteral("Remove the journal of answers and the skins too."));
    parser.addOptions({yes, removeJournal});
    if (const QString error = argumentError(parser); !error.isEmpty()) {
        std::fprintf(stderr, "uninst: %s\n", qPrintable(error));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);

    const bool unattended = parser.isSet(yes);
    InstalledSet set;
    try {
        set = readListFile(QCoreApplication::applicationDirPath());
    } catch (const std::runtime_error& e) {
        if (unattended)
            std::fprintf(stderr, "uninst: %s\n", e.what());
        else
            showUninstallError(QString::fromUtf8(e.what()));
        return 1;
    }

    bool withJournal = parser.isSet(removeJournal);
    if (!unattended && !confirmUninstall(set, withJournal))
        return 0;
    const UninstallReport report = uninstall(set, withJournal);
    if (unattended) {
        printLines(stdout, "removed", report.removed);
        printLines(stdout, "kept", report.kept);
        printLines(stderr, "uninst: could not remove", report.failed);
    } else {
        showUninstallReport(report);
    }
    return report.failed.isEmpty() ? 0 : 1;
}
