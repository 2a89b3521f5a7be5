#include "journalstate.h"
#include "passworddialog.h"
#include "passwordgate.h"
#include "settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <QTimer>

// The password gate and its dialog.
class TestPassword : public QObject {
    Q_OBJECT

    // An asker that answers in turn and counts how often it was asked.
    struct Asker {
        QList<std::optional<QString>> answers;
        int asked = 0;
        PasswordAsker fn() {
            return [this]() -> std::optional<QString> { return answers.value(asked++); };
        }
    };

private slots:
    void init() { settings().password.clear(); }

    void theGateAsksUntilItGrants_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QList<std::optional<QString>>>("answers");
        QTest::addColumn<QList<bool>>("grants");
        QTest::addColumn<int>("asked");
        using A = QList<std::optional<QString>>;
        QTest::newRow("no password") << "" << A{} << QList<bool>{true, true} << 0;
        QTest::newRow("right, then no question") << "Moon" << A{QString("Moon")} << QList<bool>{true, true} << 1;
        QTest::newRow("case counts") << "Moon" << A{QString("moon"), QString("Moon")} << QList<bool>{false, true} << 2;
        QTest::newRow("cancel refuses") << "Moon" << A{std::nullopt, std::nullopt} << QList<bool>{false, false} << 2;
        QTest::newRow("empty text is wrong") << "Moon" << A{QString()} << QList<bool>{false} << 1;
    }
    void theGateAsksUntilItGrants() {
        QFETCH(QString, password);
        QFETCH(QList<std::optional<QString>>, answers);
        QFETCH(QList<bool>, grants);
        QFETCH(int, asked);
        JournalRunState state;
        state.journalPassword() = password;
        Asker asker{answers};
        for (bool expected : grants)
            QCOMPARE(autorizacion(state, asker.fn()), expected);
        QCOMPARE(asker.asked, asked);
    }

    // A Save whose check refused has stored an answer (lastRecNo set): the next Open still asks.
    void aRefusedSaveDoesNotOpenTheGate() {
        JournalRunState state;
        state.journalPassword() = QStringLiteral("secret");
        Asker asker{{QString("wrong"), std::nullopt}};
        QVERIFY(!autorizacion(state, asker.fn())); // Save's check
        state.lastRecNo = 7;                       // the answer was stored anyway
        QVERIFY(!autorizacion(state, asker.fn())); // Open asks again and is cancelled
        QCOMPARE(asker.asked, 2);
    }

    void changingThePassword() {
        JournalRunState state;
        state.journalPassword() = QStringLiteral("old");
        Asker asker{{std::nullopt, QString("new"), QString()}};
        bpasswordClick(state, asker.fn());
        QCOMPARE(settings().password, QStringLiteral("old"));
        bpasswordClick(state, asker.fn());
        QCOMPARE(settings().password, QStringLiteral("new"));
        bpasswordClick(state, asker.fn());
        QVERIFY(settings().password.isEmpty()); // removed: the next run asks nothing
        QVERIFY(autorizacion(state, asker.fn()));
    }

    void theDialog() {
        TPasswordDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Password Dialog"));
        QVERIFY(dialog.findChild<QLabel*>()->text() == QStringLiteral("Enter password:"));
        QCOMPARE(dialog.Password->echoMode(), QLineEdit::Password);
        QCOMPARE(dialog.Password->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, dialog.Password),
                 int('*'));
        QVERIFY(dialog.Password->text().isEmpty());

        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<TPasswordDlg*>(QApplication::activeModalWidget());
            QTest::keyClicks(d->Password, QStringLiteral("Sun"));
            QTest::keyClick(d->Password, Qt::Key_Return);
        });
        QCOMPARE(askPassword(), std::optional<QString>(QStringLiteral("Sun")));
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<TPasswordDlg*>(QApplication::activeModalWidget());
            QTest::keyClicks(d->Password, QStringLiteral("Sun"));
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(askPassword(), std::nullopt);
    }
};

QTEST_MAIN(TestPassword)
#include "test_password.moc"
