// Reading the data archive: all 64 hexagram members from an archive of realistic size,
// and a cold open that reads the central directory again.
#include "archive.h"
#include "archivewriter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

struct TestArchive {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("DATA1.HHZ"));

    TestArchive() {
        // About 3 KB of text a member, plus pictures and pages, as in the shipped archive.
        std::mt19937 rng(5);
        const QByteArray words = "the noble one perseverance furthers good fortune no blame water fire ";
        QList<ArchiveMember> members;
        for (int n = 1; n <= 64; ++n) {
            QByteArray text;
            while (text.size() < 3000)
                text += words.mid(rng() % 40, 20) + (rng() % 7 == 0 ? "<p>\r\n" : " ");
            members.append({QStringLiteral("%1.txt").arg(n, 2, 10, QLatin1Char('0')), text});
        }
        for (int i = 0; i < 150; ++i)
            members.append({QStringLiteral("picture%1.bmp").arg(i), QByteArray(4000, char(i))});
        writeArchive(path, members, kArchiveKey);
    }
};

TestArchive& testArchive() {
    static TestArchive archive;
    return archive;
}

void expandAllHexagramMembers(benchmark::State& state) {
    const Archive archive;
    const QString path = testArchive().path;
    for (auto _ : state) {
        for (int n = 1; n <= 64; ++n) {
            QByteArray stream;
            archive.expandToStream(path, stream, QStringLiteral("%1.txt").arg(n, 2, 10, QLatin1Char('0')));
            benchmark::DoNotOptimize(stream.data());
        }
    }
}
BENCHMARK(expandAllHexagramMembers)->Unit(benchmark::kMillisecond);

void coldOpenAndOneMember(benchmark::State& state) {
    const Archive archive;
    const QString path = testArchive().path;
    for (auto _ : state) {
        Archive::clearCache();
        QByteArray stream;
        archive.expandToStream(path, stream, QStringLiteral("32.txt"));
        benchmark::DoNotOptimize(stream.data());
    }
}
BENCHMARK(coldOpenAndOneMember)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
