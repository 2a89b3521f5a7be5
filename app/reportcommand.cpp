#include "reportcommand.h"

#include "archive.h"
#include "dbferror.h"
#include "journaltable.h"
#include "pagecommand.h"
#include "passwordgate.h"
#include "programdir.h"
#include "report.h"
#include "resources.h"
#include "settings.h"
#include "settingsstore.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

struct ReportRequest {
    ReportKind kind = ReportKind::Trigrams;
    bool byFrequency = false;
};

bool parse(const QStringList& arguments, ReportRequest& request) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("report"), QString(), QStringLiteral("KIND")});
    parser.addOption({QStringLiteral("sort"), QString(), QStringLiteral("ORDER")});
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "qorin: %s\n", qPrintable(parser.errorText()));
        return false;
    }
    const QString kind = parser.value(QStringLiteral("report"));
    if (kind == QStringLiteral("trigrams")) {
        request.kind = ReportKind::Trigrams;
    } else if (kind == QStringLiteral("hexagrams")) {
        request.kind = ReportKind::Hexagrams;
    } else {
        std::fprintf(stderr, "qorin: the report is \"trigrams\" or \"hexagrams\", not \"%s\".\n", qPrintable(kind));
        return false;
    }
    if (parser.isSet(QStringLiteral("sort"))) {
        if (parser.value(QStringLiteral("sort")) != QStringLiteral("frequency") ||
            request.kind != ReportKind::Hexagrams) {
            std::fprintf(stderr, "qorin: only the hexagram report sorts, and only by \"frequency\".\n");
            return false;
        }
        request.byFrequency = true;
    }
    return true;
}

// One line typed on standard input after the prompt on standard error; nothing at the end of input.
std::optional<QString> askOnConsole() {
    std::fputs("Enter password:", stderr);
    std::fflush(stderr);
    std::string line;
    if (!std::getline(std::cin, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromUtf8(line.c_str(), qsizetype(line.size()));
}

// The hexagram fields of the journal's records; a journal that was never written has none.
QList<AnswerNumbers> journalRecords() {
    if (!QFileInfo::exists(journalPath(programDir())))
        return {};
    JournalRunState state;
    JournalTable journal(programDir(), state);
    journal.inicializa();
    if (!journal.table().damageReport().isEmpty())
        throw DbfError(journal.table().damageReport());
    return readAnswerNumbers(journal.table());
}

} // namespace

int runReportCommand(const QStringList& arguments) {
    ReportRequest request;
    if (!parse(arguments, request))
        return 2;
    const std::unique_ptr<SettingsStore> store = openSettingsStore();
    cargaIni(*store, settings());
    JournalRunState gate;
    if (!autorizacion(gate, askOnConsole))
        return 1;
    try {
        const Archive archive;
        const QStringList page =
            reportPage(request.kind, archive, archiveName(), journalRecords(), request.byFrequency);
        printLines(page);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qorin: %s\n", e.what());
        return 1;
    }
}
