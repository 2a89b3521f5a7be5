// The search dialog over fake pages and a real page view: book, page and journal modes.
#include "htmlview.h"
#include "messagebox.h"
#include "programstrings.h"
#include "searchdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

// A book whose pages are given by number; it records every page read and every page opened.
struct FakeBook {
    QMap<int, QByteArray> pages;
    QList<int> read;
    QList<int> opened;
    QList<QPair<QString, bool>> found; // what the page view was asked to find
    bool viewFinds = true;
    std::function<void()> onRead;

    void attach(TFbuscar& dialog) {
        dialog.target.readPage = [this](int n) {
            read << n;
            if (onRead)
                onRead();
            return pages.value(n);
        };
        dialog.target.openPage = [this](int n) { opened << n; };
        dialog.target.findText = [this](const QString& text, bool matchCase) {
            found << qMakePair(text, matchCase);
            return viewFinds;
        };
    }
};

QList<int> range(int first, int last) {
    QList<int> pages;
    for (int n = first; n <= last; ++n)
        pages << n;
    return pages;
}

} // namespace

class TestSearchDialog : public QObject {
    Q_OBJECT

    QStringList messages;

private slots:
    void initTestCase() {
        setMessageBoxHook([this](const QString& text) { messages << text; });
    }
    void cleanupTestCase() { setMessageBoxHook({}); }
    void init() { messages.clear(); }

    void bookSetUpFromTheMainWindowsState() {
        TFbuscar dialog;
        dialog.setupBook("river", 0);
        QCOMPARE(dialog.windowTitle(), loadProgramString(8));
        QCOMPARE(dialog.tfind->text(), "river");
        QCOMPARE(dialog.from->text(), "1");
        dialog.setupBook("river", 12);
        QCOMPARE(dialog.from->text(), "12");
        QVERIFY(dialog.findbtn->isDefault());
        QVERIFY(!dialog.nextbtn->isEnabled());
        QCOMPARE(dialog.tfind->maxLength(), kMaxSearchText);
    }

    void fromSixtyFourWithATextOnlyOnPageOne() {
        TFbuscar dialog;
        FakeBook book;
        book.pages[1] = "only here";
        book.attach(dialog);
        dialog.setupBook("only here", 64);
        dialog.findbtnClick();
        QCOMPARE(book.read, QList<int>({64}));
        QCOMPARE(messages, QStringList({"Not found"}));
        QVERIFY(!dialog.nextbtn->isEnabled());
        QVERIFY(book.opened.isEmpty());
    }

    void findOpensTheFirstPageThatHoldsTheTextAndSelectsIt() {
        TFbuscar dialog;
        FakeBook book;
        book.pages[5] = "x";
        book.pages[9] = "the \r\nWELL";
        book.attach(dialog);
        dialog.setupBook("well", 3);
        dialog.findbtnClick();
        QCOMPARE(book.read, range(3, 9)); // "x" on page 5 holds no "well"
        QCOMPARE(book.opened, QList<int>({9}));
        QCOMPARE(book.found.last(), qMakePair(QString("well"), false));
        QCOMPARE(dialog.lastFoundPage(), 9);
        QVERIFY(dialog.nextbtn->isEnabled());
        QVERIFY(dialog.nextbtn->isDefault());
        QVERIFY(dialog.windowTitle().isEmpty());
        QVERIFY(!dialog.mensaje->isVisible());
    }

    void oneCharacterIsFound() {
        TFbuscar dialog;
        FakeBook book;
        book.pages[2] = "abc";
        book.attach(dialog);
        dialog.setupBook("b", 1);
        dialog.findbtnClick();
        QCOMPARE(book.opened, QList<int>({2}));
        QVERIFY(messages.isEmpty());
    }

    void aPhraseBrokenByCrLfMatchesOnlyWithoutTheBlank() {
        for (const auto& [text, page] : {std::pair<QString, int>{"greatriver", 4}, {"great river", 0}}) {
            TFbuscar dialog;
            FakeBook book;
            book.pages[4] = "cross the great\r\nriver";
            book.attach(dialog);
            dialog.setupBook(text, 1);
            dialog.findbtnClick();
            QCOMPARE(book.opened, page ? QList<int>({page}) : QList<int>());
        }
    }

    void markupIsRefusedAtOnce_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("<") << "<b";
        QTest::newRow("href") << " href";
        QTest::newRow("@") << "01@";
    }
    void markupIsRefusedAtOnce() {
        QFETCH(QString, text);
        TFbuscar dialog;
        FakeBook book;
        book.pages[1] = text.toLatin1();
        book.attach(dialog);
        dialog.setupBook(text, 1);
        dialog.findbtnClick();
        QVERIFY(book.read.isEmpty());
        QCOMPARE(messages, QStringList({"Not found"}));
    }

    void fromThatIsNoPageNumberStartsAtZero() {
        TFbuscar dialog;
        FakeBook book;
        book.pages[2] = "word";
        book.attach(dialog);
        dialog.setupBook("word", 1);
        dialog.from->setText("65");
        dialog.findbtnClick();
        QCOMPARE(dialog.from->text(), "0");
        QCOMPARE(book.read, range(0, 2));
    }

    void anEmptyTextDoesNothing() {
        TFbuscar dialog;
        FakeBook book;
        book.attach(dialog);
        dialog.setupBook(QString(), 1);
        dialog.findbtnClick();
        QVERIFY(book.read.isEmpty());
        QVERIFY(messages.isEmpty());
    }

    void cancelStopsBetweenPages() {
        TFbuscar dialog;
        FakeBook book;
        book.attach(dialog);
        // Each page takes 20 ms to read; Cancel is pressed while the search runs.
        book.onRead = [] { QThread::msleep(20); };
        QTimer::singleShot(70, dialog.CancelBtn, &QPushButton::click);
        QStringList captions;
        connect(&dialog, &QWidget::windowTitleChanged, this, [&](const QString& t) { captions << t; });
        dialog.setupBook("nowhere", 1);
        dialog.nextbtn->setEnabled(true); // a find before
        dialog.show();
        dialog.findbtnClick();
        QVERIFY(book.read.size() >= 2);
        QVERIFY(book.read.size() < 20);
        QCOMPARE(captions.at(1), loadProgramString(56) + "1");
        QCOMPARE(dialog.windowTitle(), loadProgramString(8));
        QVERIFY(dialog.nextbtn->isEnabled());
        QVERIFY(!dialog.mensaje->isVisible());
        QVERIFY(!dialog.searching());
        QVERIFY(messages.isEmpty());
        QVERIFY(book.opened.isEmpty());

        // Pressed again, the search starts afresh.
        book.read.clear();
        book.onRead = {};
        dialog.findbtnClick();
        QCOMPARE(book.read, range(1, 64));
        QCOMPARE(messages, QStringList({"Not found"}));
    }

    void closingTheDialogEndsARunningSearch() {
        TFbuscar dialog;
        FakeBook book;
        book.attach(dialog);
        book.onRead = [] { QThread::msleep(10); };
        dialog.setupBook("nowhere", 1);
        dialog.show();
        QTimer::singleShot(40, &dialog, &QWidget::close);
        dialog.findbtnClick();
        QVERIFY(book.read.size() < 20);
        QVERIFY(!dialog.isVisible());
    }

    void nextInBookModeGoesOnFromThePageAfterTheLastFindAndDoesNotWrap() {
        TFbuscar dialog;
        FakeBook book;
        book.pages[10] = "lake";
        book.pages[58] = "lake";
        book.pages[3] = "lake";
        book.attach(dialog);
        dialog.setupBook("lake", 5);
        dialog.findbtnClick();
        QCOMPARE(book.opened, QList<int>({10}));

        book.viewFinds = false; // no further occurrence on the shown page
        book.read.clear();
        dialog.nextbtnClick();
        QCOMPARE(book.read, range(11, 58));
        QCOMPARE(book.opened, QList<int>({10, 58}));

        book.read.clear();
        dialog.nextbtnClick();
        QCOMPARE(book.read, range(59, 64));
        QCOMPARE(messages, QStringList({"Not found"}));
        QVERIFY(!dialog.nextbtn->isEnabled());
    }

    void nextOnTheLastPageReportsTheEndOfTheBook() {
        TFbuscar dialog;
        FakeBook book;
        book.pages[64] = "end";
        book.attach(dialog);
        dialog.setupBook("end", 64);
        dialog.findbtnClick();
        book.viewFinds = false;
        book.read.clear();
        dialog.nextbtnClick();
        QVERIFY(book.read.isEmpty());
        QCOMPARE(messages, QStringList({"Not found"}));
    }

    void typingMakesFindTheDefaultAgain() {
        TFbuscar dialog;
        FakeBook book;
        book.pages[1] = "heaven";
        book.attach(dialog);
        dialog.setupBook("heaven", 1);
        dialog.show();
        dialog.findbtnClick();
        QVERIFY(dialog.nextbtn->isDefault());
        dialog.tfind->setFocus();
        QTest::keyClick(dialog.tfind, Qt::Key_S);
        QVERIFY(dialog.findbtn->isDefault());
        QVERIFY(!dialog.nextbtn->isDefault());
    }

    void pageModeFindsFromTheTopAndNextGoesOn() {
        HtmlView view;
        view.resize(400, 300);
        view.LoadText("<p>wind over wind</p><p>and WIND again</p>");
        view.show();
        TFbuscar dialog;
        dialog.setupPage();
        QVERIFY(!dialog.from->isEnabled());
        QCOMPARE(dialog.windowTitle(), loadProgramString(14));
        dialog.target.findText = [&](const QString& t, bool c) { return view.FindText(t, c); };
        dialog.target.toTop = [&] {
            view.SetPosition(0);
            view.moveCursor(QTextCursor::Start);
        };
        dialog.target.openPage = [](int) { QFAIL("page mode opens no page"); };
        dialog.tfind->setText("wind");
        dialog.CCase->setChecked(true);
        dialog.findbtnClick();
        QCOMPARE(view.textCursor().selectionStart(), 0);
        QVERIFY(dialog.nextbtn->isEnabled());
        dialog.nextbtnClick();
        QCOMPARE(view.textCursor().selectionStart(), 10);
        dialog.nextbtnClick(); // "WIND" differs in case
        QCOMPARE(messages, QStringList({"Not found"}));
        QVERIFY(!dialog.nextbtn->isEnabled());

        // Find again starts at the top, and without match case finds all three.
        messages.clear();
        dialog.CCase->setChecked(false);
        dialog.findbtnClick();
        QCOMPARE(view.textCursor().selectionStart(), 0);
        dialog.nextbtnClick();
        dialog.nextbtnClick();
        QCOMPARE(view.textCursor().selectedText(), "WIND");
        QVERIFY(messages.isEmpty());
    }

    void journalModeDrivesTheJournalsSearch() {
        searchMemory().lastJournalText = "marriage";
        QList<QPair<QString, bool>> calls;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<TFbuscar*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), loadProgramString(57));
            QVERIFY(dialog->from->isHidden() && dialog->Label1->isHidden() && dialog->CCase->isHidden());
            QCOMPARE(dialog->tfind->text(), "marriage");
            dialog->tfind->setText("<journey>"); // markup is the journal's own business
            dialog->findbtnClick();
            QVERIFY(dialog->nextbtn->isEnabled());
            dialog->nextbtnClick();
            dialog->close();
        });
        searchJournal(nullptr, [&](const QString& text, bool first, QWidget* searchWindow) {
            QVERIFY(qobject_cast<TFbuscar*>(searchWindow));
            calls << qMakePair(text, first);
        });
        QCOMPARE(calls, (QList<QPair<QString, bool>>{{"<journey>", true}, {"<journey>", false}}));
        QCOMPARE(searchMemory().lastJournalText, "<journey>");
        QVERIFY(messages.isEmpty());
    }

    void positionIsRememberedAndCentredWhenZero() {
        searchMemory().position = QPoint(0, 0);
        QPoint first;
        {
            TFbuscar dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            first = dialog.pos();
            QVERIFY(first.x() > 0 && first.y() > 0);
            dialog.move(first + QPoint(13, 17));
            dialog.close();
        }
        QCOMPARE(searchMemory().position, first + QPoint(13, 17));
        TFbuscar again;
        again.show();
        QCOMPARE(again.pos(), first + QPoint(13, 17));
        again.close();
        searchMemory().position = QPoint();
    }

    void captionsShowWholeInALargerDesktopFont() {
        const QFont desktop = QApplication::font();
        QApplication::setFont(QFont(desktop.family(), 12));
        TFbuscar dialog;
        QApplication::setFont(desktop);
        for (QWidget* caption : {static_cast<QWidget*>(dialog.Label3), static_cast<QWidget*>(dialog.Label1),
                                 static_cast<QWidget*>(dialog.CCase)}) {
            QVERIFY(caption->width() >= caption->sizeHint().width());
            QVERIFY(caption->height() >= caption->sizeHint().height());
        }
        QVERIFY(dialog.CCase->geometry().right() < dialog.Label1->x());
        QVERIFY(dialog.Label1->geometry().right() < dialog.from->x());
        QVERIFY(dialog.Label3->geometry().bottom() < dialog.tfind->y());
    }

    void escapeReleasedCloses() {
        TFbuscar dialog;
        dialog.show();
        dialog.tfind->setFocus();
        QTest::keyPress(dialog.tfind, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QTest::keyRelease(dialog.tfind, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestSearchDialog)
#include "test_searchdialog.moc"
