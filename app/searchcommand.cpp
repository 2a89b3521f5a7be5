#include "searchcommand.h"

#include "archive.h"
#include "hexagram.h"
#include "programstrings.h"
#include "resources.h"
#include "textsearch.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

int fail(int code, const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return code;
}

} // namespace

int runSearchCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("search"), QString(), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("match-case"), QString()});
    parser.addOption({QStringLiteral("from"), QString(), QStringLiteral("N")});
    if (!parser.parse(arguments))
        return fail(2, QStringLiteral("qorin: ") + parser.errorText());

    const QString text = parser.value(QStringLiteral("search"));
    if (text.isEmpty())
        return fail(2, QStringLiteral("qorin: the search text is empty."));
    if (text.size() > kMaxSearchText)
        return fail(2, QStringLiteral("qorin: the search text is longer than %1 characters.").arg(kMaxSearchText));
    int from = 1;
    if (parser.isSet(QStringLiteral("from"))) {
        from = startPageOf(parser.value(QStringLiteral("from")));
        if (from == 0)
            return fail(2, QStringLiteral("qorin: --from must be a number from 1 to 64, not \"%1\".")
                               .arg(parser.value(QStringLiteral("from"))));
    }
    if (hasRefusedMarkup(text))
        return fail(2, loadProgramString(20));

    try {
        const SearchPattern pattern(text, parser.isSet(QStringLiteral("match-case")));
        const PageReader read = archivePageReader(Archive(), archiveName());
        bool any = false;
        for (int n = from; n <= 64; ++n) {
            if (!buscaStream(pattern, n, read))
                continue;
            any = true;
            const QByteArray line = titulos()[n].trimmed().toUtf8();
            std::fwrite(line.constData(), 1, line.size(), stdout);
            std::fputc('\n', stdout);
        }
        return any ? 0 : 1;
    } catch (const ArchiveError& e) {
        return fail(1, QStringLiteral("qorin: ") + e.message());
    }
}
