#include "application.h"
#include "craftedarchive.h"
#include "member.h"
#include "resources.h"
#include "windowfixture.h"

#include <QTimer>

namespace {

// A main window that reads a member of its archive when it is first shown.
class ReadsAtFirstShow : public TForm1 {
public:
    using TForm1::TForm1;

protected:
    void showEvent(QShowEvent* event) override {
        TForm1::showEvent(event);
        (void)expande(Compre, archiveName(), QStringLiteral("late.htm"));
    }
};

} // namespace

class TestErrorBox : public QObject {
    Q_OBJECT
private slots:
    void escapingErrorsAreShownAndTheWindowGoesOn() {
        QStringList shown;
        QorinApplication::setErrorBox([&](const QString& message) { shown << message; });
        WindowFixture f;
        f.form->carga(3, true);
        const QStringList page = f.form->Memo1;

        // A link whose page number is no number fails inside the click handler.
        QTimer::singleShot(0, f.form.get(), [&] { f.click("x5@"); });
        QTRY_COMPARE(shown.size(), 1);
        QVERIFY(shown[0].contains("x5"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(f.form->Memo1, page);
        QCOMPARE(f.form->currentPage, 3);

        // The window still works.
        f.form->carga(4, true);
        QCOMPARE(f.form->currentPage, 4);
        QorinApplication::setErrorBox({});
    }

    void errorsOfTheFirstShowEndTheStartUp() {
        QList<crafted::Member> members = crafted::membersOf(QORIN_ARCHIVE);
        members.append(crafted::damaged({"late.htm", "<p>read at show time"}, crafted::Damage::FlippedByte));
        QTemporaryDir folder;
        QVERIFY(crafted::write(folder.filePath("DATA1.HHZ"), crafted::zip(members)));
        QVERIFY(enterProgramFolder(folder.path()));
        QStringList fatal, shown;
        setFatalHandler([&](const QString& message) { fatal << message; });
        QorinApplication::setErrorBox([&](const QString& message) { shown << message; });
        RegFileStore store(folder.filePath("Qorin.reg"));
        StartOptions options;
        options.store = &store;
        {
            ReadsAtFirstShow form(options);
            QVERIFY(form.created());
            QVERIFY(!QorinApplication::startUp([&form] { form.show(); }));
        }
        setFatalHandler({});
        QorinApplication::setErrorBox({});
        Archive::clearCache();
        QCOMPARE(fatal.size(), 1);
        QVERIFY2(fatal[0].contains("late.htm") && fatal[0].contains("damaged"), qPrintable(fatal[0]));
        QVERIFY(shown.isEmpty());
    }
};

int main(int argc, char** argv) {
    QorinApplication app(argc, argv);
    TestErrorBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_errorbox.moc"
