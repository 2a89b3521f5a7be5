#include "dateform.h"
#include "dbftablemodel.h"
#include "hexagram.h"
#include "journalfixture.h"
#include "journalgrid.h"
#include "journalwindow.h"
#include "messagebox.h"
#include "settings.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

struct Answer {
    const char* question;
    int h1, h2;
    QDate date;
};

} // namespace

// The journal window over small journals written by the engine, with the main window faked.
class TestJournalWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> program;
    std::unique_ptr<FakeHost> host;
    JournalRunState state;
    QStringList boxes;

    void write(std::initializer_list<Answer> answers) {
        JournalRunState writing;
        JournalTable journal(programDir(), writing);
        journal.inicializa();
        for (const Answer& a : answers)
            journal.appendAnswer({QString::fromUtf8(a.question), a.h1, a.h2}, a.date);
        journal.table().close();
    }

    QPointer<Tfanswer> open() {
        auto* window = new Tfanswer(*host, QString(), state);
        window->show();
        return window;
    }

    static QString question(Tfanswer* w) { return w->dbf().GetField(QStringLiteral("question")).trimmed(); }
    static int gridRow(Tfanswer* w) { return w->TzGrid1->currentIndex().row(); }

    // Three answers saved out of date order, the latest in the middle.
    void writeThree() {
        write({{"Shall I move to the coast?", 3, 8, QDate(2026, 3, 1)},
               {"Is the new work right for me?", 1, 0, QDate(2026, 9, 15)},
               {"will the CHILD sleep well", 64, 63, QDate(2026, 5, 20)}});
    }

private slots:
    void initTestCase() {
        setMessageBoxHook([this](const QString& text) { boxes << text; });
    }
    void cleanupTestCase() { setMessageBoxHook({}); }
    void init() {
        program = std::make_unique<ProgramFolder>();
        host = std::make_unique<FakeHost>();
        state = JournalRunState{};
        settings().viewAuto = false;
        boxes.clear();
        setDateDisplayForm(DateForm{});
    }
    void cleanup() {
        host.reset();
        program.reset();
    }

    void opensInDateOrderOnTheLatestAnswer() {
        writeThree();
        QPointer<Tfanswer> w = open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Oracle Database"));
        QCOMPARE(w->size(), QSize(630, 452));
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(w->TzGrid1->horizontalHeader()->sortIndicatorSection(), 0);
        QCOMPARE(question(w), QStringLiteral("Is the new work right for me?"));
        QCOMPARE(gridRow(w), 2);
        QCOMPARE(w->model->index(2, 0).data().toString(), QStringLiteral("09/15/2026")); // the current row too
        QVERIFY(!state.holdAutoview);
        const QStringList titles = {"Date", "H1", "H2", "Question", "Name", "Category"};
        const QList<int> widths = {80, 22, 22, 296, 68, 82};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(w->model->headerData(c, Qt::Horizontal).toString(), titles[c]);
            QCOMPARE(w->TzGrid1->columnWidth(c), widths[c]);
        }
        QVERIFY(w->model->flags(w->model->index(0, 4)) & Qt::ItemIsEditable);
        QVERIFY(!(w->model->flags(w->model->index(0, 3)) & Qt::ItemIsEditable));
        w->close();
        QTRY_VERIFY(w.isNull());
    }

    void theH1OrderKeepsTheSelectedAnswer() {
        writeThree();
        QPointer<Tfanswer> w = open();
        w->navigate(Tfanswer::Command::First);
        QCOMPARE(question(w), QStringLiteral("Shall I move to the coast?"));
        const int recNo = w->dbf().RecNo();
        emit w->TzGrid1->horizontalHeader()->sectionClicked(1);
        QCOMPARE(w->TzGrid1->horizontalHeader()->sortIndicatorSection(), 1);
        QCOMPARE(state.orderField, QStringLiteral("h1"));
        QCOMPARE(w->dbf().RecNo(), recNo);
        QCOMPARE(gridRow(w), 1); // 01, 03, 64
        QCOMPARE(w->model->index(0, 1).data().toString(), QStringLiteral("01"));
        QCOMPARE(w->model->index(2, 1).data().toString(), QStringLiteral("64"));
        w->close();
    }

    void autoviewShowsEachAnswerButNotDuringAFind() {
        writeThree();
        settings().viewAuto = true;
        QPointer<Tfanswer> w = open();
        QVERIFY(w->auto_->isChecked());
        w->navigate(Tfanswer::Command::First);
        QCOMPARE(host->shown.last().question, QStringLiteral("Shall I move to the coast?"));
        const qsizetype before = host->shown.size();
        w->TzGrid1->setCurrentIndex(w->model->index(1, 3));
        QCOMPARE(host->shown.size(), before + 1);
        QCOMPARE(host->shown.last().primary, lineTable[63]);
        QCOMPARE(host->shown.last().changed, lineTable[62]);
        QVERIFY(host->shown.last().moving);

        QVERIFY(w->buscar(QStringLiteral("work"), true));
        QCOMPARE(host->shown.size(), before + 1);
        QCOMPARE(gridRow(w), 2);
        QVERIFY(!state.scanActive);
        w->close();
        QVERIFY(settings().viewAuto);
    }

    void findCountsAndContinues() {
        writeThree();
        QPointer<Tfanswer> w = open();
        QWidget search;
        QVERIFY(!w->buscar(QStringLiteral("harbour"), true, &search));
        QCOMPARE(boxes, QStringList{QStringLiteral("Text not found")});
        QCOMPARE(search.windowTitle(), QStringLiteral("2 / 3")); // the last record of the date order
        QVERIFY(w->dbf().dEOF());
        QCOMPARE(gridRow(w), -1);

        // Capitals find small letters and the other way round; Next goes on after the found record.
        QVERIFY(w->buscar(QStringLiteral("SHALL"), true, &search));
        QCOMPARE(search.windowTitle(), QStringLiteral("1 / 3"));
        QVERIFY(w->buscar(QStringLiteral("child"), false, &search));
        QCOMPARE(question(w), QStringLiteral("will the CHILD sleep well"));
        QVERIFY(w->buscar(QStringLiteral("I"), true, &search));
        QCOMPARE(question(w), QStringLiteral("Shall I move to the coast?"));
        QVERIFY(w->buscar(QStringLiteral("I"), false, &search));
        QCOMPARE(question(w), QStringLiteral("will the CHILD sleep well"));
        QVERIFY(!w->buscar(QStringLiteral("coast"), false, &search));
        QVERIFY(!w->buscar(QString(), true, &search));
        QCOMPARE(boxes.size(), 3);
        w->close();
    }

    void viewWithABlankSecondHexagram() {
        writeThree();
        QPointer<Tfanswer> w = open();
        w->BapplyClick();
        QCOMPARE(host->shown.size(), 1);
        QCOMPARE(host->shown[0].primary, lineTable[0]);
        QCOMPARE(host->shown[0].changed, lineTable[0]);
        QVERIFY(!host->shown[0].moving);
        QCOMPARE(host->shown[0].date, QStringLiteral("09/15/2026"));
        QCOMPARE(host->shown[0].question, QStringLiteral("Is the new work right for me?"));
        w->close();
    }

    void viewRefusesBadNumbers_data() {
        QTest::addColumn<QString>("h1");
        QTest::addColumn<QString>("h2");
        QTest::addColumn<QString>("message");
        QTest::newRow("no number") << "x5"
                                   << ""
                                   << "'x5' is not a valid integer value";
        QTest::newRow("second no number") << "05"
                                          << "1?"
                                          << "'1?' is not a valid integer value";
        QTest::newRow("outside the book") << "77"
                                          << ""
                                          << "'77' is not a hexagram number from 1 to 64";
        QTest::newRow("zero") << "00"
                              << ""
                              << "'00' is not a hexagram number from 1 to 64";
        QTest::newRow("second outside") << "05"
                                        << "65"
                                        << "'65' is not a hexagram number from 1 to 64";
    }
    void viewRefusesBadNumbers() {
        QFETCH(QString, h1);
        QFETCH(QString, h2);
        QFETCH(QString, message);
        write({{"A question", 5, 0, QDate(2026, 1, 2)}});
        QPointer<Tfanswer> w = open();
        w->dbf().SetCField(QStringLiteral("h1"), h1);
        w->dbf().SetCField(QStringLiteral("h2"), h2);
        w->dbf().Replace();
        try {
            w->BapplyClick();
            QFAIL("View went on");
        } catch (const std::exception& e) {
            QCOMPARE(QString::fromUtf8(e.what()), message);
        }
        QVERIFY(host->shown.isEmpty());
        w->close();
    }

    void addThenCloseKeepsABlankRecord() {
        writeThree();
        QPointer<Tfanswer> w = open();
        w->navigate(Tfanswer::Command::Add);
        QCOMPARE(w->dbf().RecCount(), 4);
        QCOMPARE(gridRow(w), w->model->currentRow());
        w->close();
        QTRY_VERIFY(w.isNull());
        QCOMPARE(state.lastRecNo, 4);

        JournalRunState reading;
        JournalTable journal(programDir(), reading);
        journal.inicializa();
        QCOMPARE(journal.table().RecCount(), 4);
        journal.table().Go(4);
        QVERIFY(journal.table().GetField(QStringLiteral("question")).trimmed().isEmpty());
    }

    void deletedRecordsAreMarkedUntilClosing() {
        writeThree();
        QPointer<Tfanswer> w = open();
        w->navigate(Tfanswer::Command::Delete);
        const int row = w->model->currentRow();
        QVERIFY(rowMarkedDeleted(*w->model, row));
        QCOMPARE(w->model->rowCount(), 3);
        w->close();
        QTRY_VERIFY(w.isNull());
        JournalRunState reading;
        JournalTable journal(programDir(), reading);
        journal.inicializa();
        QCOMPARE(journal.table().RecCount(), 2);
    }

    void commentsTypedAreKept() {
        writeThree();
        QPointer<Tfanswer> w = open();
        w->TzMemo1->setPlainText(QStringLiteral("Moved in spring.\nAll went well."));
        w->TzMemo1->document()->setModified(true);
        w->navigate(Tfanswer::Command::First);
        w->navigate(Tfanswer::Command::Last);
        QCOMPARE(w->TzMemo1->toPlainText(), QStringLiteral("Moved in spring.\nAll went well."));
        w->close();
    }

    void escAndTheCloseButton() {
        writeThree();
        QPointer<Tfanswer> w = open();
        QSignalSpy closed(w.data(), &Tfanswer::journalClosed);
        QTest::keyRelease(w->TzGrid1, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        QCOMPARE(closed.size(), 1);
        QVERIFY(!state.holdAutoview);
        QCOMPARE(state.lastRecNo, 2);

        w = open();
        QCOMPARE(question(w), QStringLiteral("Is the new work right for me?"));
        w->bcancel->click();
        QTRY_VERIFY(w.isNull());
        QVERIFY(state.holdAutoview);
    }

    void analysisWalksTheTable() {
        writeThree();
        settings().viewAuto = true;
        QPointer<Tfanswer> w = open();
        host->shown.clear();
        const QList<AnswerNumbers> numbers = w->readAnswers();
        QCOMPARE(numbers.size(), 3);
        QCOMPARE(numbers[0].h1, QStringLiteral("03"));
        QCOMPARE(numbers[1].h2, QStringLiteral("63"));
        QCOMPARE(numbers[2].h2, QStringLiteral("  "));
        QVERIFY(w->dbf().dEOF());
        QVERIFY(host->shown.isEmpty());
        QVERIFY(!state.scanActive);
        w->close();
        QTRY_VERIFY(w.isNull());
        QCOMPARE(state.lastRecNo, 0); // closing at EOF leaves it as it was
    }

    void anEmptyJournal() {
        QPointer<Tfanswer> w = open();
        QCOMPARE(w->dbf().RecCount(), 0);
        QVERIFY(state.holdAutoview);
        w->navigate(Tfanswer::Command::First);
        w->navigate(Tfanswer::Command::Delete);
        w->BapplyClick();
        w->bfindClick();
        QVERIFY(host->shown.isEmpty());
        QVERIFY(w->readAnswers().isEmpty());
        w->navigate(Tfanswer::Command::Add);
        QCOMPARE(w->dbf().RecCount(), 1);
        w->close();
    }

    // A journal whose last record was cut short opens with the others, says so, and keeps the files as found.
    void aDamagedJournalSaysWhatWasWrong() {
        writeThree();
        QFile dbf(program->path(QStringLiteral("oracle.dbf")));
        QVERIFY(dbf.open(QIODevice::ReadWrite));
        QVERIFY(dbf.resize(dbf.size() - 50));
        dbf.close();
        QPointer<Tfanswer> w = open();
        QCOMPARE(w->dbf().RecCount(), 2);
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].contains(QLatin1String("damaged")) && boxes[0].contains(QLatin1String("oracle.dbf.damaged")),
                 qPrintable(boxes[0]));
        w->close();
        QTRY_VERIFY(w.isNull());
        QVERIFY(QFile::exists(program->path(QStringLiteral("oracle.dbf.damaged"))));
    }
};

QTEST_MAIN(TestJournalWindow)
#include "test_journalwindow.moc"
