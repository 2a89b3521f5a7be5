#include "unattended.h"

#include "installsteps.h"
#include "setupstrings.h"

#include <cstdio>

namespace {

void printLine(std::FILE* stream, const QString& line) {
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, utf8.size(), stream);
    std::fputc('\n', stream);
}

} // namespace

int installUnattended(const QString& sourceFolder, const QString& folder) {
    InstallHooks hooks;
    hooks.report = [](const QString& line) { printLine(stdout, line); };
    const InstallResult result = installFiles(sourceFolder, folder, hooks);
    if (result.outcome == InstallOutcome::Installed)
        return 0;
    std::fflush(stdout);
    printLine(stderr, QStringLiteral("setup: %1 %2").arg(setupString(result.messageId()), result.detail));
    return 1;
}
