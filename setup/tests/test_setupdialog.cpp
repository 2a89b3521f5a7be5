#include "installfixture.h"
#include "setupdialog.h"
#include "setupstrings.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

struct Message {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Services that record instead of acting: no program is started, no box or browser is shown.
struct Recorder {
    QList<QStringList> started;
    QList<Message> messages;
    QStringList preselected;
    QString picked;
    QMessageBox::StandardButton answer = QMessageBox::No;
    qint64 free = -1;

    SetupServices services() {
        SetupServices s;
        s.start = [this](const QString& program, const QStringList& arguments, const QString& folder) {
            started.append(QStringList{program} + arguments + QStringList{folder});
            return true;
        };
        s.pickFolder = [this](QWidget*, const QString& preselect) {
            preselected.append(preselect);
            return picked;
        };
        s.message = [this](QWidget*, QMessageBox::Icon icon, const QString& title, const QString& text,
                           QMessageBox::StandardButtons buttons) {
            messages.append({icon, title, text, buttons});
            return answer;
        };
        s.freeBytes = [this](const QString&) { return free; };
        return s;
    }
};

template <typename T> T* child(QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

const QColor navy(0, 0, 128);

} // namespace

class TestSetupDialog : public QObject {
    Q_OBJECT
private slots:
    void layoutInPixelsOfTheDialogUnits() {
        InstallFixture fx;
        SetupDialog dialog(fx.source);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Setup"));
        QCOMPARE(dialog.size(), QSize(431, 179));
        QVERIFY(!dialog.windowIcon().isNull());
        const std::pair<const char*, QRect> places[] = {
            {"pathLabel", {23, 72, 66, 13}},       {"folderBox", {92, 70, 254, 18}},
            {"browseButton", {356, 67, 60, 23}},   {"exitButton", {143, 112, 60, 23}},
            {"installButton", {227, 112, 60, 23}}, {"picture", {27, 16, 32, 32}}};
        for (const auto& [name, place] : places)
            QCOMPARE(child<QWidget>(dialog, name)->geometry(), place);

        const QFont font = child<QLabel>(dialog, "title")->font();
        QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(font.pointSize(), 22);
        QVERIFY(font.bold());
        QCOMPARE(child<QLabel>(dialog, "title")->text().remove(QRegularExpression("<[^>]*>")),
                 QStringLiteral("Setup ofVelkora I Ching 1.15"));
        QCOMPARE(child<QLabel>(dialog, "pathLabel")->text(), QStringLiteral("Default &Path:"));
        QCOMPARE(child<QLabel>(dialog, "pathLabel")->buddy(), child<QWidget>(dialog, "folderBox"));
        QCOMPARE(child<QPushButton>(dialog, "browseButton")->text(), QStringLiteral("&Browse"));
        QCOMPARE(child<QPushButton>(dialog, "exitButton")->text(), QStringLiteral("E&xit"));
        QCOMPARE(child<QPushButton>(dialog, "installButton")->text(), QStringLiteral("&Install"));
        QVERIFY(child<QPushButton>(dialog, "installButton")->isDefault());
        QCOMPARE(child<QLineEdit>(dialog, "folderBox")->text(), fx.home + QStringLiteral("/Velkorin"));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(dialog, "installButton"));
        // Every text fits its box.
        for (const char* name : {"title", "pathLabel"}) {
            QLabel* label = child<QLabel>(dialog, name);
            QVERIFY2(label->sizeHint().width() <= label->width() && label->sizeHint().height() <= label->height(),
                     name);
        }
    }

    // The bar is painted in navy to its right edge while the files are copied, and gone afterwards.
    void progressBarIsPaintedWhileCopying() {
        InstallFixture fx;
        Recorder recorder;
        SetupDialog dialog(fx.source, recorder.services());
        child<QLineEdit>(dialog, "folderBox")->setText(fx.home + QStringLiteral("/Velkorin"));
        dialog.show();
        QList<int> edges;
        QObject::connect(&dialog, &SetupDialog::progressed, [&](int right) {
            edges.append(right);
            QVERIFY(dialog.progressShown());
            const QImage shot = dialog.grab().toImage();
            QCOMPARE(shot.pixelColor(100, 160), navy);
            QCOMPARE(shot.pixelColor(right - 1, 152), navy);
            QCOMPARE(shot.pixelColor(right - 1, 167), navy);
            QVERIFY(shot.pixelColor(right, 160) != navy);
            QVERIFY(shot.pixelColor(100, 151) != navy);
            QCOMPARE(shot.pixelColor(99, 160), dialog.palette().color(QPalette::WindowText));
            QCOMPARE(shot.pixelColor(330, 160), dialog.palette().color(QPalette::WindowText));
        });
        dialog.installFiles();
        QCOMPARE(edges, (QList<int>{101, 158, 216, 273, 330}));
        QVERIFY(!dialog.progressShown());
        QVERIFY(dialog.grab().toImage().pixelColor(200, 160) != navy);
    }

    void messagesTellHowItWent_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<qint64>("free");
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("id");
        QTest::newRow("missing file") << "DATA1.HHZ" << qint64(-1) << false << int(QMessageBox::Warning) << "Warning"
                                      << 1002;
        QTest::newRow("no space") << "" << qint64(1000) << false << int(QMessageBox::Warning) << "Warning" << 1001;
        QTest::newRow("copy fails") << "" << qint64(-1) << true << int(QMessageBox::Critical) << "Error" << 1004;
    }
    void messagesTellHowItWent() {
        QFETCH(QString, missing);
        QFETCH(qint64, free);
        QFETCH(bool, blocked);
        QFETCH(int, icon);
        QFETCH(QString, title);
        QFETCH(int, id);
        InstallFixture fx;
        if (!missing.isEmpty())
            QFile::remove(fx.source + QLatin1Char('/') + missing);
        const QString folder = fx.home + QStringLiteral("/Velkorin/");
        if (blocked)
            InstallFixture::write(fx.home + QStringLiteral("/Velkorin"), "a file in the way");
        Recorder recorder;
        recorder.free = free;
        SetupDialog dialog(fx.source, recorder.services());
        dialog.show();
        dialog.installFiles();
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(int(recorder.messages[0].icon), icon);
        QCOMPARE(recorder.messages[0].title, title);
        QCOMPARE(recorder.messages[0].text, setupString(id));
        QCOMPARE(recorder.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(recorder.started.isEmpty());
        // The dialog stays open for another try.
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
    }

    void successAsksToStartTheProgram_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void successAsksToStartTheProgram() {
        QFETCH(bool, yes);
        InstallFixture fx;
        Recorder recorder;
        recorder.answer = yes ? QMessageBox::Yes : QMessageBox::No;
        SetupDialog dialog(fx.source, recorder.services());
        dialog.show();
        dialog.installFiles();
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(int(recorder.messages[0].icon), int(QMessageBox::Question));
        QCOMPARE(recorder.messages[0].title, QStringLiteral("Confirmation"));
        QCOMPARE(recorder.messages[0].text, setupString(1003));
        QCOMPARE(recorder.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        const QString folder = fx.home + QStringLiteral("/Velkorin/");
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("uninst.list")));
        if (yes)
            QCOMPARE(recorder.started, (QList<QStringList>{{folder + "qorin", folder}}));
        else
            QVERIFY(recorder.started.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    void browsingPutsTheInstallationFolderInTheBox() {
        InstallFixture fx;
        Recorder recorder;
        SetupDialog dialog(fx.source, recorder.services());
        QLineEdit* box = child<QLineEdit>(dialog, "folderBox");

        recorder.picked = QStringLiteral("/");
        dialog.chooseFolder();
        QCOMPARE(box->text(), QStringLiteral("/Velkorin"));

        const QString earlier = fx.home + QStringLiteral("/Earlier");
        QDir().mkpath(earlier);
        InstallFixture::write(earlier + QStringLiteral("/liboracle.so"), "oracle");
        recorder.picked = earlier;
        dialog.chooseFolder();
        QCOMPARE(box->text(), earlier + QLatin1Char('/'));

        // Cancelling changes nothing; each browse starts from the last result.
        recorder.picked.clear();
        dialog.chooseFolder();
        QCOMPARE(box->text(), earlier + QLatin1Char('/'));
        QCOMPARE(recorder.preselected,
                 (QStringList{fx.home + QStringLiteral("/Velkorin"), QStringLiteral("/Velkorin"), earlier + "/"}));
    }

    // Leaving by Exit installs nothing and still hands over to the source folder's uninstaller.
    void exitHandsOverToTheUninstaller() {
        InstallFixture fx;
        Recorder recorder;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<SetupDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            child<QPushButton>(*dialog, "exitButton")->click();
        });
        runSetupDialog(fx.source, recorder.services());
        QCOMPARE(recorder.started, (QList<QStringList>{{fx.source + "/uninst", "setup.exe", fx.source}}));
        QVERIFY(recorder.messages.isEmpty());
        QVERIFY(!QFileInfo::exists(fx.home + QStringLiteral("/Velkorin")));
    }
};

QTEST_MAIN(TestSetupDialog)
#include "test_setupdialog.moc"
