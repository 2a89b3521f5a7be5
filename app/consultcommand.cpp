#include "consultcommand.h"

#include "casting.h"
#include "dateform.h"
#include "hexagram.h"
#include "journalstore.h"
#include "programdir.h"
#include "programstrings.h"

#include <QCommandLineParser>
#include <QDate>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

// Bad arguments: the message on standard error, exit 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ConsultRequest {
    bool stalks = false;
    QString question;
    int count = 1;
    bool save = false;
};

ConsultRequest parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("consult"), QString(), QStringLiteral("coins|stalks")});
    parser.addOption({QStringLiteral("question"), QString(), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("count"), QString(), QStringLiteral("N")});
    parser.addOption({QStringLiteral("save"), QString()});
    if (!parser.parse(arguments))
        throw UsageError(parser.errorText().toStdString());

    ConsultRequest request;
    const QString method = parser.value(QStringLiteral("consult"));
    if (method != QLatin1String("coins") && method != QLatin1String("stalks"))
        throw UsageError(
            QStringLiteral("--consult takes \"coins\" or \"stalks\", not \"%1\".").arg(method).toStdString());
    request.stalks = method == QLatin1String("stalks");
    request.save = parser.isSet(QStringLiteral("save"));
    request.question = parser.value(QStringLiteral("question"));
    if (isBlankQuestion(request.question))
        throw UsageError(loadProgramString(99).toStdString());
    if (parser.isSet(QStringLiteral("count"))) {
        bool ok = false;
        request.count = parser.value(QStringLiteral("count")).toInt(&ok);
        if (!ok || request.count < 1 || request.count > 100000)
            throw UsageError(QStringLiteral("--count must be a number from 1 to 100000, not \"%1\".")
                                 .arg(parser.value(QStringLiteral("count")))
                                 .toStdString());
    }
    return request;
}

QString title(int number) {
    return titulos()[number].trimmed();
}

void print(const QString& line) {
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

QString consultLine(const std::array<int, 6>& sums, const OracleAnswer& answer) {
    QStringList numbers;
    for (int sum : sums)
        numbers << QString::number(sum);
    QString line = numbers.join(QLatin1Char(' ')) + QStringLiteral("  ") + title(answer.primaryNumber);
    if (answer.hasMovingLines)
        line += QStringLiteral(" -> ") + title(answer.changedNumber);
    return line;
}

int runConsultCommand(const QStringList& arguments) {
    try {
        const ConsultRequest request = parse(arguments);
        // Opened before the first answer, so that a journal that can't be written stops everything.
        std::unique_ptr<JournalStore> journal;
        if (request.save)
            journal = std::make_unique<JournalStore>(programDir());
        const QDate date = QDate::currentDate();
        const QString today = dateDisplayForm().format(date);
        for (int n = 0; n < request.count; ++n) {
            const Casting casting = request.stalks ? castStalks(processGenerator()) : castCoins(processGenerator());
            OracleAnswer answer;
            takeAnswer(answer, request.question, casting.primary, casting.changed, today);
            print(consultLine(casting.sums, answer));
            if (journal)
                journal->store(journalAnswer(answer), date);
        }
        std::fflush(stdout);
        return 0;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "qorin: %s\n", e.what());
        return 2;
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "qorin: %s\n", e.what());
        return 1;
    }
}
