// The journal table at 10,000 and 100,000 records: opening (all six indexes rebuilt and
// written), Save (append and reopen) and Pack.
#include "dateform.h"
#include "journaltable.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>

namespace {

// Writes a journal of n records straight into folder: every tenth marked deleted, every
// fifth with a comment.
void writeJournal(const QString& folder, int n) {
    QRandomGenerator random(42);
    QByteArray dbf = dbfHeader(journalFields(), std::uint32_t(n), 2026, 12, 10);
    QByteArray dbt(512, '\0');
    for (int i = 0; i < n; ++i) {
        QByteArray memo(10, ' ');
        if (i % 5 == 0) {
            memo = QByteArray::number(dbt.size() / 512).rightJustified(10, ' ');
            dbt.append(memoBlocks("A comment on answer " + QByteArray::number(i)));
        }
        const QDate date = QDate(2000, 1, 1).addDays(random.bounded(9000));
        dbf.append(i % 10 == 0 ? '*' : ' ');
        dbf.append(memo);
        dbf.append(date.toString(QStringLiteral("yyyyMMdd")).toLatin1());
        dbf.append(journalHexagram(1 + random.bounded(64)).toLatin1());
        dbf.append(random.bounded(3) ? journalHexagram(1 + random.bounded(64)).toLatin1() : QByteArray("  "));
        dbf.append(("Name " + QByteArray::number(random.bounded(500))).leftJustified(20, ' '));
        dbf.append(("Group " + QByteArray::number(random.bounded(20))).leftJustified(20, ' '));
        dbf.append(("Question number " + QByteArray::number(random.bounded(100000))).leftJustified(90, ' '));
    }
    dbf.append('\x1A');
    qToLittleEndian<quint32>(quint32(dbt.size() / 512), dbt.data());
    for (const auto& [name, bytes] : {std::pair{"oracle.dbf", dbf}, std::pair{"oracle.dbt", dbt}}) {
        QFile f(folder + QLatin1String(name));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("can't write the benchmark journal");
        f.write(bytes);
    }
}

void BM_Open(benchmark::State& state) {
    setDateDisplayForm(DateForm{});
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    writeJournal(folder, int(state.range(0)));
    DbfTable table;
    table.setCreateFields(journalFields());
    table.setIndexes(journalIndexes());
    table.setDbfFileName(journalPath(folder));
    for (auto _ : state) {
        table.open();
        table.close();
    }
    state.counters["records"] = double(state.range(0));
}

void BM_Save(benchmark::State& state) {
    setDateDisplayForm(DateForm{});
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    writeJournal(folder, int(state.range(0)));
    JournalRunState run;
    JournalTable journal(folder, run);
    journal.inicializa();
    for (auto _ : state) {
        journal.appendAnswer({QStringLiteral("Is the time right to cross the great river?"), 5, 48},
                             QDate(2026, 12, 10));
        journal.inicializa();
    }
}

void BM_Pack(benchmark::State& state) {
    setDateDisplayForm(DateForm{});
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    DbfTable table;
    table.setIndexes(journalIndexes());
    table.setDbfFileName(journalPath(folder));
    for (auto _ : state) {
        state.PauseTiming();
        writeJournal(folder, int(state.range(0)));
        table.open();
        state.ResumeTiming();
        table.Pack();
        state.PauseTiming();
        table.close();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_Open)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pack)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
