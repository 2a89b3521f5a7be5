#include "application.h"
#include "windowfixture.h"

#include <QTimer>

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
};

int main(int argc, char** argv) {
    QorinApplication app(argc, argv);
    TestErrorBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_errorbox.moc"
