// Start-up: from process start until the introduction is on show and the window has closed again.
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void startUntilTheIntroductionShows(benchmark::State& state) {
    QTemporaryDir settings;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QORIN_SETTINGS"), settings.filePath(QStringLiteral("Qorin.reg")));
    for (auto _ : state) {
        QProcess qorin;
        qorin.setProcessEnvironment(environment);
        qorin.start(QStringLiteral(QORIN_PROGRAM), {QStringLiteral("--quit-after-start")});
        if (!qorin.waitForFinished(10000) || qorin.exitCode() != 0)
            state.SkipWithError("qorin did not start and quit");
    }
}
BENCHMARK(startUntilTheIntroductionShows)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

BENCHMARK_MAIN();
