// Composing all 64 hexagram pages from members already expanded.
#include "archive.h"
#include "composition.h"
#include "member.h"
#include "programstrings.h"

#include <benchmark/benchmark.h>

namespace {

void composeAllPages(benchmark::State& state) {
    QList<QStringList> members;
    const Archive archive;
    for (int n = 1; n <= 64; ++n)
        members.append(expande(archive, QStringLiteral(QORIN_ARCHIVE), numToNom(n)));
    OracleAnswer answer;
    FigureState figure;
    const PageContext context{800, colorDigits(0x00418D41), AnswerView{answer, false}, loadProgramString, &figure};
    for (auto _ : state) {
        for (int n = 1; n <= 64; ++n) {
            QStringList lines = members[n - 1];
            procesayCarga(lines, n, context, [](const QStringList& page) { benchmark::DoNotOptimize(page.size()); });
        }
    }
}
BENCHMARK(composeAllPages)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
