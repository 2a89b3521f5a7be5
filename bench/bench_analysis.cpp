// The journal window and the analysis reports over 100,000 answers: the table opened and positioned, both
// reports (walk and page build), the analysis window's clicks, and the journal window up to its first paint.
#include "../journal/tests/journalfixture.h"
#include "analysis.h"
#include "journalwindow.h"
#include "report.h"
#include "resources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 100000;

ProgramFolder& folder() {
    static ProgramFolder program;
    static const bool written = (writeLargeJournal(program.path(QStringLiteral("oracle.dbf")), kRecords), true);
    (void)written;
    return program;
}

void BM_OpenJournal(benchmark::State& state) {
    folder();
    for (auto _ : state) {
        JournalRunState run;
        JournalTable journal(programDir(), run);
        journal.inicializa();
        benchmark::DoNotOptimize(journal.table().RecNo());
    }
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_OpenJournal)->Unit(benchmark::kMillisecond);

void report(benchmark::State& state, ReportKind kind, bool byFrequency) {
    folder();
    JournalRunState run;
    JournalTable journal(programDir(), run);
    journal.inicializa();
    const Archive archive;
    qsizetype lines = 0;
    for (auto _ : state) {
        const QStringList page =
            reportPage(kind, archive, archiveName(), readAnswerNumbers(journal.table()), byFrequency);
        lines = page.size();
        benchmark::DoNotOptimize(page.constData());
    }
    state.counters["records"] = kRecords;
    state.counters["lines"] = double(lines);
}

void BM_TrigramReport(benchmark::State& state) {
    report(state, ReportKind::Trigrams, false);
}
BENCHMARK(BM_TrigramReport)->Unit(benchmark::kMillisecond);

void BM_HexagramReportByFrequency(benchmark::State& state) {
    report(state, ReportKind::Hexagrams, true);
}
BENCHMARK(BM_HexagramReportByFrequency)->Unit(benchmark::kMillisecond);

// The whole Trigrams and Hexagrams clicks of the analysis window, the view's layout included.
void BM_AnalysisWindowClicks(benchmark::State& state) {
    folder();
    FakeHost host;
    auto* journal = new Tfanswer(host);
    journal->show();
    {
        Tfanalyze analysis(journal, host, [journal] { return journal->readAnswers(); });
        analysis.show();
        QCoreApplication::processEvents();
        for (auto _ : state) {
            analysis.btrigClick();
            analysis.bhexaClick();
        }
    }
    journal->close();
    QCoreApplication::processEvents();
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_AnalysisWindowClicks)->Unit(benchmark::kMillisecond);

// Creating the journal window (the table opened and positioned) and painting it once.
void BM_JournalWindowOpen(benchmark::State& state) {
    folder();
    FakeHost host;
    for (auto _ : state) {
        auto* window = new Tfanswer(host);
        window->show();
        benchmark::DoNotOptimize(window->grab());
        state.PauseTiming();
        window->close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["records"] = kRecords;
}
BENCHMARK(BM_JournalWindowOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
