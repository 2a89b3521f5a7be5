// The book search over the 64 hexagram members of the built archive for a phrase found nowhere:
// each member expanded from the archive and scanned byte by byte, first alone, then as the search
// dialog runs it (caption counter and event dispatch between pages).
#include "archive.h"
#include "messagebox.h"
#include "searchdialog.h"
#include "textsearch.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

const QString kNowhere = QStringLiteral("a phrase found nowhere in the book");

void BM_BookSearchNowhere(benchmark::State& state) {
    const PageReader read = archivePageReader(Archive(), QStringLiteral(QORIN_ARCHIVE));
    const SearchPattern pattern(kNowhere, false);
    qint64 bytes = 0;
    for (auto _ : state) {
        int found = 0;
        for (int n = 1; n <= 64; ++n)
            found += buscaStream(pattern, n, read);
        if (found)
            state.SkipWithError("the phrase was found");
    }
    for (int n = 1; n <= 64; ++n)
        bytes += read(n).size();
    state.counters["member_bytes"] = double(bytes);
}
BENCHMARK(BM_BookSearchNowhere)->Unit(benchmark::kMillisecond);

void BM_DialogBookSearchNowhere(benchmark::State& state) {
    setMessageBoxHook([](const QString&) {});
    TFbuscar dialog;
    dialog.setupBook(kNowhere, 1);
    dialog.target.readPage = archivePageReader(Archive(), QStringLiteral(QORIN_ARCHIVE));
    dialog.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        dialog.findbtnClick();
        benchmark::DoNotOptimize(dialog.lastFoundPage());
    }
    if (dialog.lastFoundPage() != 0)
        state.SkipWithError("the phrase was found");
    setMessageBoxHook({});
}
BENCHMARK(BM_DialogBookSearchNowhere)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
