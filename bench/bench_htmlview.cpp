// Showing a composed hexagram page of 200 lines in a visible view, layout included; reloading it must not
// decode its pictures again.
#include "../htmlview/tests/fixturepage.h"
#include "htmlview.h"
#include "viewpresets.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

QStringList pageOf200Lines() {
    int paragraphs = 1;
    QStringList page = fixture::hexagramPage(800, 4, paragraphs);
    while (page.size() < 200)
        page = fixture::hexagramPage(800, 4, ++paragraphs);
    return page;
}

struct Shown {
    Shown() {
        configureMainView(view);
        view.resize(800, 600);
        view.OnImageRequest = [this](const QString& source) {
            ++requests;
            return fixture::picture(source);
        };
        view.show();
        QCoreApplication::processEvents();
    }
    void load(const QStringList& page) {
        view.LoadLines(page);
        // LoadLines lays out the whole page before it returns.
        benchmark::DoNotOptimize(view.document()->documentLayout()->documentSize());
    }
    HtmlView view;
    int requests = 0;
};

void BM_ReloadComposedPage(benchmark::State& state) {
    Shown shown;
    const QStringList page = pageOf200Lines();
    shown.load(page);
    const int firstLoad = shown.requests;
    for (auto _ : state)
        shown.load(page);
    state.counters["lines"] = page.size();
    state.counters["requests_first_load"] = firstLoad;
    state.counters["requests_reloads"] = shown.requests - firstLoad;
    if (shown.requests != firstLoad)
        state.SkipWithError("reloading the page asked for its pictures again");
}
BENCHMARK(BM_ReloadComposedPage)->Unit(benchmark::kMillisecond);

void BM_ReloadAndPaintComposedPage(benchmark::State& state) {
    Shown shown;
    const QStringList page = pageOf200Lines();
    shown.load(page);
    for (auto _ : state) {
        shown.load(page);
        shown.view.viewport()->repaint();
    }
}
BENCHMARK(BM_ReloadAndPaintComposedPage)->Unit(benchmark::kMillisecond);

void BM_FirstLoadComposedPage(benchmark::State& state) {
    Shown shown;
    const QStringList page = pageOf200Lines();
    for (auto _ : state) {
        shown.view.clearImageCache();
        shown.load(page);
    }
}
BENCHMARK(BM_FirstLoadComposedPage)->Unit(benchmark::kMillisecond);

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
