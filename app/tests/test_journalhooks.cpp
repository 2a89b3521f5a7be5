// The journal from the main window: Save and Open on the oracle pane, the password gate, and the answers
// and pages that the journal windows show in the main window.
#include "coinform.h"
#include "dbftable.h"
#include "hexagram.h"
#include "journalstate.h"
#include "journalwindow.h"
#include "passworddialog.h"
#include "settings.h"
#include "windowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace {

// A consultation just finished: the answer drawn and Save enabled, as the coin and stalk forms leave it.
void consult(TForm1& form, int primary, int movingLine, const QString& question) {
    SixLines changed = lineTable[primary - 1];
    if (movingLine > 0)
        changed[movingLine - 1] ^= 1;
    takeAnswer(form.answer, question, lineTable[primary - 1], changed, QString());
    form.procesaOrac();
    form.oraculo->saveb->setEnabled(true);
}

// Answers the password dialog with text, or cancels it.
std::function<int(QDialog&)> typing(std::optional<QString> text) {
    return [text](QDialog& dialog) {
        auto* password = qobject_cast<TPasswordDlg*>(&dialog);
        if (!password || !text)
            return int(QDialog::Rejected);
        password->Password->setText(*text);
        return int(QDialog::Accepted);
    };
}

} // namespace

class TestJournalHooks : public QObject {
    Q_OBJECT
private slots:
    void init() {
        journalState() = JournalRunState{};
        settings().viewAuto = false;
    }
    void cleanup() { settings().password.clear(); }

    void saveStoresTheAnswerAndShowsTheJournal() {
        WindowFixture f;
        OraclePane* pane = f.form->oraculo;
        QVERIFY(pane->openb->isEnabled());
        consult(*f.form, 5, 0, QStringLiteral("Shall I wait? ") + QString(100, QLatin1Char('w')));
        f.form->saveAnswerClick();
        QVERIFY(!pane->saveb->isEnabled());
        QVERIFY(!pane->openb->isEnabled());
        QPointer<Tfanswer> window = f.form->journalWindow;
        QVERIFY(window && window->isVisible());
        for (const char* name :
             {"oracle.dbf", "oracle.dbt", "date.ndx", "h1.ndx", "question.ndx", "group.ndx", "name.ndx", "h2.ndx"})
            QVERIFY2(QFile::exists(f.folder.filePath(QLatin1String(name))), name);
        DbfTable& t = window->dbf();
        QCOMPARE(t.RecCount(), 1);
        QCOMPARE(t.GetField(QStringLiteral("h1")), QStringLiteral("05"));
        QCOMPARE(t.GetField(QStringLiteral("h2")), QStringLiteral("  "));
        QCOMPARE(t.GetField(QStringLiteral("question")).size(), 90);
        QCOMPARE(t.dateField(QStringLiteral("date")), QDate::currentDate());

        // A second answer while the window is open goes into the same table, and the window shows it.
        consult(*f.form, 14, 2, QStringLiteral("And then?"));
        f.form->saveAnswerClick();
        QCOMPARE(f.form->journalWindow.data(), window.data());
        QCOMPARE(t.RecCount(), 2);
        QCOMPARE(t.GetField(QStringLiteral("h2")), journalHexagram(hexamuta(14, 2)));
        QCOMPARE(window->TzGrid1->currentIndex().row(), 1);

        window->close();
        QTRY_VERIFY(!window);
        QVERIFY(pane->openb->isEnabled());
        f.form->openJournalClick();
        QVERIFY(f.form->journalWindow);
        QCOMPARE(f.form->journalWindow->dbf().GetField(QStringLiteral("question")).trimmed(),
                 QStringLiteral("And then?"));
        f.form->journalWindow->close();
    }

    void thePasswordGuardsOpenAndSave() {
        WindowFixture f;
        settings().password = QStringLiteral("Moon");
        f.runDialog = typing(QStringLiteral("moon"));
        f.form->openJournalClick();
        QCOMPARE(f.dialogs, QStringList{"TPasswordDlg"});
        QVERIFY(!f.form->journalWindow);
        QVERIFY(f.form->oraculo->openb->isEnabled());

        // A refused Save stores the answer, shows nothing, and the next Open still asks.
        consult(*f.form, 20, 3, QStringLiteral("Who knows?"));
        f.form->saveAnswerClick();
        QCOMPARE(f.dialogs.size(), 2);
        QTRY_VERIFY(!f.form->journalWindow);
        QVERIFY(!f.form->oraculo->saveb->isEnabled());
        QVERIFY(f.form->oraculo->openb->isEnabled());
        f.runDialog = typing(std::nullopt);
        f.form->openJournalClick();
        QCOMPARE(f.dialogs.size(), 3);
        QVERIFY(!f.form->journalWindow);

        f.runDialog = typing(QStringLiteral("Moon"));
        f.form->openJournalClick();
        QCOMPARE(f.dialogs.size(), 4);
        QVERIFY(f.form->journalWindow);
        QCOMPARE(f.form->journalWindow->dbf().RecCount(), 1);
        QCOMPARE(f.form->journalWindow->dbf().GetField(QStringLiteral("h1")), QStringLiteral("20"));
        f.form->journalWindow->close();
        QTRY_VERIFY(!f.form->journalWindow);
        f.form->openJournalClick(); // granted once in this run: no more asking
        QCOMPARE(f.dialogs.size(), 4);
        QVERIFY(f.form->journalWindow);
        f.form->journalWindow->close();
    }

    // The journal window, which stays above the others, steps aside while a consultation fills the screen.
    void theJournalStepsAsideDuringAConsultation() {
        WindowFixture f;
        f.form->openJournalClick();
        QPointer<Tfanswer> window = f.form->journalWindow;
        QVERIFY(window && window->isVisible());
        bool hiddenDuringIt = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<Tfcoins*>(QApplication::activeModalWidget()));
            hiddenDuringIt = !window->isVisible();
            qobject_cast<Tfcoins*>(QApplication::activeModalWidget())->cancelarClick();
        });
        f.form->bcoinsClick();
        QVERIFY(hiddenDuringIt);
        QVERIFY(window && window->isVisible());
        window->close();
    }

    void viewShowsTheStoredAnswerAndAReportLinkItsPage() {
        WindowFixture f;
        consult(*f.form, 3, 5, QStringLiteral("Where to begin?"));
        f.form->saveAnswerClick();
        consult(*f.form, 1, 0, QStringLiteral("Something else"));
        Tfanswer* window = f.form->journalWindow;
        window->navigate(Tfanswer::Command::First);
        window->BapplyClick();
        const OracleAnswer& a = f.form->answer;
        QCOMPARE(a.primaryNumber, 3);
        QCOMPARE(a.changedNumber, hexamuta(3, 5));
        QVERIFY(a.hasMovingLines);
        QCOMPARE(a.questionText, QStringLiteral("Where to begin?"));
        QCOMPARE(f.form->oraculo->fecha->text(), window->dbf().GetDField(QStringLiteral("date")));
        QCOMPARE(f.form->currentPage, 3);
        QVERIFY(!f.form->oraculo->saveb->isEnabled()); // a stored answer is not saved again

        const qsizetype steps = f.form->camino.size();
        f.form->showHexagramPage(42);
        QVERIFY(!f.form->oraclePaneShown());
        QCOMPARE(f.form->currentPage, 42);
        QCOMPARE(f.form->camino.size(), steps + 1);
        window->close();
    }

    void aJournalThatCantBeOpenedLosesNothing() {
        WindowFixture f;
        QFile held(f.folder.filePath(QStringLiteral("oracle.dbf")));
        {
            // Another opener holds the journal: the error reaches the error box and Save stays enabled.
            DbfTable other;
            other.setCreateFields(journalFields());
            other.setDbfFileName(held.fileName());
            other.open();
            consult(*f.form, 7, 0, QStringLiteral("Now?"));
            QVERIFY_THROWS_EXCEPTION(std::exception, f.form->saveAnswerClick());
            QVERIFY(f.form->oraculo->saveb->isEnabled());
            QTRY_VERIFY(!f.form->journalWindow);
            QVERIFY(f.form->oraculo->openb->isEnabled());
        }
        f.form->saveAnswerClick();
        QCOMPARE(f.form->journalWindow->dbf().RecCount(), 1);
        f.form->journalWindow->close();
    }
};

QTEST_MAIN(TestJournalHooks)
#include "test_journalhooks.moc"
