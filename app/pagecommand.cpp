#include "pagecommand.h"

#include "archive.h"
#include "composition.h"
#include "intro.h"
#include "member.h"
#include "programstrings.h"
#include "resources.h"

#include <QCommandLineParser>
#include <cstdio>
#include <stdexcept>

namespace {

struct PageRequest {
    int page = 0;
    QList<int> moving;
    int width = 800;
    int screen = 1024;
};

int number(const QString& text, const char* what, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        throw std::invalid_argument(QStringLiteral("%1 must be a number from %2 to %3, not \"%4\".")
                                        .arg(QLatin1String(what))
                                        .arg(low)
                                        .arg(high)
                                        .arg(text)
                                        .toStdString());
    return value;
}

PageRequest parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("page"), QString(), QStringLiteral("N")});
    parser.addOption({QStringLiteral("moving"), QString(), QStringLiteral("K,K")});
    parser.addOption({QStringLiteral("width"), QString(), QStringLiteral("W")});
    parser.addOption({QStringLiteral("screen"), QString(), QStringLiteral("S")});
    if (!parser.parse(arguments))
        throw std::invalid_argument(parser.errorText().toStdString());

    PageRequest request;
    request.page = number(parser.value(QStringLiteral("page")), "The page", 0, 64);
    if (parser.isSet(QStringLiteral("width")))
        request.width = number(parser.value(QStringLiteral("width")), "The width", 41, 100000);
    if (parser.isSet(QStringLiteral("screen")))
        request.screen = number(parser.value(QStringLiteral("screen")), "The screen width", 1, 100000);
    if (parser.isSet(QStringLiteral("moving"))) {
        if (request.page == 0)
            throw std::invalid_argument("Moving lines need a hexagram page (1 to 64).");
        for (const QString& k : parser.value(QStringLiteral("moving")).split(QLatin1Char(',')))
            request.moving.append(number(k.trimmed(), "A moving line", 1, 6));
    }
    return request;
}

QStringList compose(const PageRequest& request) {
    const Archive archive;
    QStringList lines =
        expande(archive, archiveName(), request.page == 0 ? QStringLiteral("intro.htm") : numToNom(request.page));
    if (lines.isEmpty())
        throw std::runtime_error(QStringLiteral("The archive holds no page %1.").arg(request.page).toStdString());
    if (request.page == 0) {
        adaptIntro(lines, request.screen);
        return lines;
    }

    OracleAnswer answer;
    answer.primaryLines = lineTable[request.page - 1];
    answer.changedLines = answer.primaryLines;
    for (int k : request.moving)
        answer.changedLines[k - 1] = answer.primaryLines[k - 1] ? 0 : 1;
    answer.hasMovingLines = !request.moving.isEmpty();
    answer.readingPrimary = answer.hasMovingLines;
    answer.primaryNumber = request.page;
    answer.changedNumber = hexNumber(answer.changedLines);

    const PageContext context{request.width, colorDigits(0x00418D41), AnswerView{answer, answer.hasMovingLines},
                              loadProgramString, nullptr};
    QStringList page;
    procesayCarga(lines, request.page, context, [&](const QStringList& shown) { page = shown; });
    return page;
}

} // namespace

void printLines(const QStringList& lines) {
    for (const QString& line : lines) {
        const QByteArray utf8 = line.toUtf8();
        std::fwrite(utf8.constData(), 1, utf8.size(), stdout);
        std::fputc('\n', stdout);
    }
}

int runPageCommand(const QStringList& arguments) {
    try {
        printLines(compose(parse(arguments)));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qorin: %s\n", e.what());
        return 1;
    }
}
