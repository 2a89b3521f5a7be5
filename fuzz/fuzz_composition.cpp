// libFuzzer target of member composition: the first byte picks the hexagram (1..64), the second the view width
// and the answer's reading, the rest is the member's text. Its lines are composed into the hexagram page,
// whose rules are then re-fitted.
#include "composition.h"
#include "hexagram.h"
#include "member.h"
#include "programstrings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const int hexagram = 1 + data[0] % 64;
    QStringList lines = memberLines(QByteArray(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2)));

    // An answer on show for this hexagram, so that the page marks its moving lines.
    OracleAnswer answer;
    answer.answerShown = true;
    answer.hasMovingLines = true;
    answer.primaryNumber = hexagram;
    answer.primaryLines = lineTable[size_t(hexagram - 1)];
    answer.readingPrimary = data[1] & 1;
    FigureState figure;
    figure.rng.seed(data[1]);
    const int viewWidth = 200 + 4 * (data[1] >> 2);
    const PageContext context{viewWidth, QStringLiteral("00418D41"), AnswerView{answer, bool(data[1] & 2)},
                              loadProgramString, &figure};
    QStringList shown;
    try {
        procesayCarga(lines, hexagram, context, [&](const QStringList& page) { shown = page; });
    } catch (const CompositionError&) {
        // A member that addresses lines it lacks is refused with a message.
    }
    ajustalineas(shown, lineImage(viewWidth + 300, loadProgramString));
    return 0;
}
