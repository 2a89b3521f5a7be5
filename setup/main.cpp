// The installer: its dialog, or `setup --install DIR` without one. Either way it ends by handing over to the
// source folder's uninstaller.
#include "commandline.h"
#include "installsteps.h"
#include "setupdialog.h"
#include "unattended.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The unattended mode and the help need no display.
bool needsNoWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--install", 9) == 0 || std::strcmp(argv[i], "--help") == 0 ||
            std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--version") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app = needsNoWindow(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                                                      : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("setup"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.15"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Installs Velkora I Ching from the folder of this program."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption install(
        QStringLiteral("install"), QStringLiteral("Install into DIR without the dialog, and don't start the program."),
        QStringLiteral("DIR"));
    parser.addOption(install);
    if (const QString error = argumentError(parser); !error.isEmpty()) {
        std::fprintf(stderr, "setup: %s\n", qPrintable(error));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    // The folder given on the command line is read against the caller's folder, before the source folder
    // becomes the current one.
    const QString folder = parser.isSet(install) ? QDir::current().absoluteFilePath(parser.value(install)) : QString();
    const QString sourceFolder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(sourceFolder);

    if (!parser.isSet(install)) {
        runSetupDialog(sourceFolder);
        return 0;
    }
    const int code = installUnattended(sourceFolder, folder);
    cleanUpSource(sourceFolder, startProgram);
    return code;
}
