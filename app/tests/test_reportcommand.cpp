// `qorin --report`: the report's page over the journal of the program folder, the password asked on the console,
// and the journal that can't be read.
#include "dateform.h"
#include "journaltable.h"
#include "settings.h"
#include "settingsstore.h"

#include "commandrun.h"

#include <QTest>

class TestReportCommand : public QObject {
    Q_OBJECT

    ProgramCopy program;
    QString path(const QString& name) const { return program.path(name); }
    Run qorin(const QStringList& arguments, const QByteArray& input = {}) { return program.run(arguments, input); }

    void setPassword(const QString& password) {
        RegFileStore store(path(QStringLiteral("Qorin.reg")));
        Settings values;
        values.password = password;
        grabaIni(store, values, program.dir());
    }

    void writeJournal(std::initializer_list<std::pair<int, int>> answers) {
        JournalRunState state;
        JournalTable journal(program.dir(), state);
        journal.inicializa();
        for (const auto& [h1, h2] : answers)
            journal.appendAnswer({QStringLiteral("A question"), h1, h2}, QDate(2026, 12, 10));
        journal.table().close();
    }

private slots:
    void initTestCase() { QVERIFY(program.ready); }
    void init() {
        for (const char* name : {"oracle.dbf", "oracle.dbt", "Qorin.reg"})
            QFile::remove(path(QLatin1String(name)));
        setPassword(QString());
    }

    void aJournalNeverWrittenGivesZeros() {
        const Run run = qorin({"--report", "trigrams"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.first(), QStringLiteral("<body background=\"back2.bmp\">"));
        QVERIFY(!run.out.join('\n').contains(QStringLiteral("valign=middle>1</TD>")));
        QVERIFY(!QFile::exists(path(QStringLiteral("oracle.dbf"))));
        const Run hexagrams = qorin({"--report", "hexagrams"});
        QCOMPARE(hexagrams.out.filter(QStringLiteral("<tr><td><A HREF=")).size(), 64);
        QCOMPARE(hexagrams.out.last(), QStringLiteral("</TABLE>"));
    }

    void theReportsOverTheJournal() {
        writeJournal({{3, 8}, {4, 0}, {4, 0}});
        const Run trigrams = qorin({"--report", "trigrams"});
        QCOMPARE(trigrams.code, 0);
        const qsizetype at = trigrams.out.indexOf(
            QStringLiteral("<TR><TD bgcolor=FFFFFF align=center colspan=9>Second Hexagram</TD></TR>"));
        QVERIFY(at > 0);
        QCOMPARE(trigrams.out[at + 1 + 3], QStringLiteral("<TD align=center valign=middle>1</TD>")); // upper K'an
        QVERIFY(trigrams.out.last().startsWith(QStringLiteral("</table><p>")));

        const Run byFrequency = qorin({"--report", "hexagrams", "--sort", "frequency"});
        QCOMPARE(byFrequency.code, 0);
        const QStringList rows = byFrequency.out.filter(QStringLiteral("<tr><td><A HREF="));
        QCOMPARE(rows.size(), 64);
        QVERIFY(rows[62].startsWith(QStringLiteral("<tr><td><A HREF=\"3\">")));
        QVERIFY(rows[63].startsWith(QStringLiteral("<tr><td><A HREF=\"4\">")));
        QVERIFY(rows[63].endsWith(QStringLiteral("<td align=center>2</td><td align=center>0</td>"
                                                 "<td align=center>2</td></tr>")));
    }

    void thePasswordIsAskedOnTheConsole() {
        writeJournal({{1, 2}});
        setPassword(QStringLiteral("Moon"));
        const Run right = qorin({"--report", "hexagrams"}, "Moon\n");
        QCOMPARE(right.code, 0);
        QCOMPARE(right.err, QStringLiteral("Enter password:"));
        QCOMPARE(right.out.last(), QStringLiteral("</TABLE>"));
        for (const QByteArray& wrong : {QByteArray("moon\n"), QByteArray()}) {
            const Run refused = qorin({"--report", "hexagrams"}, wrong);
            QCOMPARE(refused.code, 1);
            QVERIFY(refused.out.isEmpty());
            QCOMPARE(refused.err, QStringLiteral("Enter password:"));
        }
    }

    void aJournalThatCantBeRead() {
        writeJournal({{1, 2}, {3, 4}});
        {
            // Held open here, the journal is locked for the command.
            JournalRunState state;
            JournalTable journal(program.dir(), state);
            journal.inicializa();
            const Run locked = qorin({"--report", "trigrams"});
            QCOMPARE(locked.code, 1);
            QVERIFY(locked.out.isEmpty());
            QVERIFY2(locked.err.startsWith(QStringLiteral("qorin: ")) && locked.err.contains(QStringLiteral("oracle")),
                     qPrintable(locked.err));
        }
        QFile dbf(path(QStringLiteral("oracle.dbf")));
        QVERIFY(dbf.open(QIODevice::ReadWrite));
        dbf.resize(dbf.size() - 100); // the last record cut short
        dbf.close();
        const Run damaged = qorin({"--report", "trigrams"});
        QCOMPARE(damaged.code, 1);
        QVERIFY(damaged.out.isEmpty());
        QVERIFY2(damaged.err.contains(QStringLiteral("damaged")), qPrintable(damaged.err));
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("kind") << QStringList{"--report", "lines"};
        QTest::newRow("sort") << QStringList{"--report", "hexagrams", "--sort", "number"};
        QTest::newRow("sort trigrams") << QStringList{"--report", "trigrams", "--sort", "frequency"};
    }
    void badArguments() {
        QFETCH(QStringList, arguments);
        const Run run = qorin(arguments);
        QCOMPARE(run.code, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith(QStringLiteral("qorin: ")), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestReportCommand)
#include "test_reportcommand.moc"
