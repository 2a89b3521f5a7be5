#include "codepage.h"
#include "settings.h"
#include "settingsstore.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool sameSettings(const Settings& a, const Settings& b) {
    return a.fontName == b.fontName && a.fontSize == b.fontSize && a.password == b.password &&
           a.viewAuto == b.viewAuto && a.playSound == b.playSound && a.tips == b.tips && a.stDelay == b.stDelay &&
           a.cDelay == b.cDelay && a.skinDir == b.skinDir;
}

QByteArray regFile(const QByteArray& values) {
    return "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Velkora\\Qorin]\n" + values;
}

QString codes(std::initializer_list<int> list) {
    QByteArray bytes;
    for (int c : list)
        bytes.append(char(c));
    return fromCp1252(bytes);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    int files = 0;

    // A settings file holding bytes, under a fresh name.
    QString file(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("s%1.reg").arg(++files));
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return path;
    }

    static void restore(const char* name, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    Settings load(const QString& path) {
        Settings loaded;
        cargaIni(RegFileStore(path), loaded);
        return loaded;
    }

private slots:
    void firstRunUsesDefaults() {
        const Settings loaded = load(dir.filePath("none/Qorin.reg"));
        QCOMPARE(loaded.fontName, "Times New Roman");
        QCOMPARE(loaded.fontSize, 13);
        QCOMPARE(loaded.password, "");
        QVERIFY(!loaded.viewAuto && !loaded.playSound && !loaded.tips);
        QCOMPARE(loaded.stDelay, 40);
        QCOMPARE(loaded.cDelay, 60);
        QCOMPARE(loaded.skinDir, "standard\\");
    }

    void firstSaveWritesTenValuesInOrder() {
        const QString path = dir.filePath("new/Velkora/Qorin.reg");
        RegFileStore store(path);
        grabaIni(store, Settings(), "/opt/qorin");

        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), regFile("\"Path\"=\"/opt/qorin/\"\n"
                                            "\"FontName\"=\"Times New Roman\"\n"
                                            "\"FontSize\"=dword:0000000d\n"
                                            "\"Password\"=\"\"\n"
                                            "\"ViewAuto\"=dword:00000000\n"
                                            "\"PlaySound\"=dword:00000000\n"
                                            "\"Tips\"=dword:00000000\n"
                                            "\"STDelay\"=dword:00000028\n"
                                            "\"CDelay\"=dword:0000003c\n"
                                            "\"SkinDir\"=\"standard\\\\\"\n"
                                            "\n"));

        const QList<RegValue> values = RegFileStore(path).values();
        QCOMPARE(values.size(), 10);
        const int types[] = {RegValue::String, RegValue::String, RegValue::DWord, RegValue::String, RegValue::DWord,
                             RegValue::DWord,  RegValue::DWord,  RegValue::DWord, RegValue::DWord,  RegValue::String};
        for (int i = 0; i < 10; ++i)
            QCOMPARE(values[i].type, types[i]);
        QVERIFY(sameSettings(load(path), Settings()));
    }

    void saveRewritesInWriteOrderAndKeepsOtherValues() {
        const QString path = file(regFile("\"SkinDir\"=\"gold\\\\\"\n\"Other\"=hex:01,02\n\"FontName\"=\"Arial\"\n"));
        Settings changed;
        changed.fontName = "Courier New";
        changed.fontSize = 9;
        changed.viewAuto = changed.playSound = changed.tips = true;
        changed.stDelay = 995;
        changed.cDelay = 5;
        changed.skinDir = "green\\";
        changed.password = "secret \"pass\" \\ word";
        RegFileStore store(path);
        grabaIni(store, changed, "/p/");

        const QList<RegValue> values = RegFileStore(path).values();
        QStringList names;
        for (const RegValue& v : values)
            names << v.name;
        QCOMPARE(names, QStringList({"Other", "Path", "FontName", "FontSize", "Password", "ViewAuto", "PlaySound",
                                     "Tips", "STDelay", "CDelay", "SkinDir"}));
        QCOMPARE(values[0].data, QByteArray("\x01\x02"));
        QVERIFY(sameSettings(load(path), changed));
    }

    void unwritableStoreIsSilent() {
        const QString blocker = file("not a folder");
        RegFileStore store(blocker + "/Velkora/Qorin.reg");
        grabaIni(store, Settings(), "/p/");
        QVERIFY(!store.save());
        QVERIFY(!QFile::exists(blocker + "/Velkora/Qorin.reg"));
    }

    void emptyFontNameIgnoresEveryOtherValue_data() {
        QTest::addColumn<QByteArray>("fontName");
        QTest::newRow("empty text") << QByteArray("\"FontName\"=\"\"\n");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("wrong type") << QByteArray("\"FontName\"=dword:00000001\n");
        QTest::newRow("blank hex(1)") << QByteArray("\"FontName\"=hex(1):00,00\n");
    }
    void emptyFontNameIgnoresEveryOtherValue() {
        QFETCH(QByteArray, fontName);
        const QString path = file(regFile(fontName + "\"FontSize\"=dword:00000011\n"
                                                     "\"ViewAuto\"=dword:00000001\n"
                                                     "\"PlaySound\"=dword:00000001\n"
                                                     "\"Tips\"=dword:00000001\n"
                                                     "\"STDelay\"=dword:00000005\n"
                                                     "\"CDelay\"=dword:00000005\n"
                                                     "\"SkinDir\"=\"gold\\\\\"\n"
                                                     "\"Password\"=\"abc\"\n"));
        QVERIFY(sameSettings(load(path), Settings()));
    }

    void delaysOutsideTheRangeLoadAsDefaults_data() {
        QTest::addColumn<QByteArray>("values");
        QTest::addColumn<int>("stDelay");
        QTest::addColumn<int>("cDelay");
        QTest::newRow("both zero") << QByteArray("\"FontName\"=\"Arial\"\n\"STDelay\"=dword:0\n\"CDelay\"=dword:0\n")
                                   << 40 << 60;
        QTest::newRow("stalks zero") << QByteArray("\"FontName\"=\"Arial\"\n\"STDelay\"=dword:0\n\"CDelay\"=dword:7\n")
                                     << 40 << 7;
        QTest::newRow("coins zero") << QByteArray("\"FontName\"=\"Arial\"\n\"STDelay\"=dword:7\n\"CDelay\"=dword:0\n")
                                    << 7 << 60;
        QTest::newRow("not stored") << QByteArray("\"FontName\"=\"Arial\"\n") << 40 << 60;
        QTest::newRow("largest integer")
            << QByteArray("\"FontName\"=\"Arial\"\n\"STDelay\"=dword:7fffffff\n\"CDelay\"=dword:000003e8\n") << 40
            << 60;
        QTest::newRow("negative")
            << QByteArray("\"FontName\"=\"Arial\"\n\"STDelay\"=dword:ffffffff\n\"CDelay\"=dword:ffffff00\n") << 40
            << 60;
        QTest::newRow("the bounds") << QByteArray(
                                           "\"FontName\"=\"Arial\"\n\"STDelay\"=dword:1\n\"CDelay\"=dword:000003e7\n")
                                    << 1 << 999;
    }
    void delaysOutsideTheRangeLoadAsDefaults() {
        QFETCH(QByteArray, values);
        QFETCH(int, stDelay);
        QFETCH(int, cDelay);
        const Settings loaded = load(file(regFile(values)));
        QCOMPARE(loaded.fontName, "Arial");
        QCOMPARE(loaded.stDelay, stDelay);
        QCOMPARE(loaded.cDelay, cDelay);
    }

    void skinDirIsTrimmed_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("skinDir");
        QTest::newRow("blanks") << QByteArray("\"   \"") << "standard\\";
        QTest::newRow("empty") << QByteArray("\"\"") << "standard\\";
        QTest::newRow("blanks and controls") << QByteArray("hex(1):20,00,09,00,0d,00,0a,00,00,00") << "standard\\";
        QTest::newRow("trailing blanks") << QByteArray("\"gold\\\\  \"") << "gold\\";
        QTest::newRow("leading blank kept") << QByteArray("\" green\\\\\"") << " green\\";
        QTest::newRow("wrong type") << QByteArray("dword:00000003") << "standard\\";
    }
    void skinDirIsTrimmed() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, skinDir);
        QCOMPARE(load(file(regFile("\"FontName\"=\"Arial\"\n\"SkinDir\"=" + stored + "\n"))).skinDir, skinDir);
    }

    void binaryReadsAsLittleEndianInteger_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("fontSize");
        QTest::newRow("four bytes") << QByteArray("hex:0e,00,00,00") << 14;
        QTest::newRow("high bytes") << QByteArray("hex:01,02,03,00") << 0x030201;
        QTest::newRow("longer") << QByteArray("hex:10,00,00,00,ff,ff") << 16;
        QTest::newRow("shorter") << QByteArray("hex:2d,01") << 301;
        QTest::newRow("hex(3)") << QByteArray("hex(3):0b,00,00,00") << 11;
        QTest::newRow("hex(4) dword") << QByteArray("hex(4):0c,00,00,00") << 12;
        QTest::newRow("continued") << QByteArray("hex:0f,\\\n  00,00,00") << 15;
        QTest::newRow("negative") << QByteArray("hex:ff,ff,ff,ff") << -1;
    }
    void binaryReadsAsLittleEndianInteger() {
        QFETCH(QByteArray, stored);
        QFETCH(int, fontSize);
        const RegFileStore store(file(regFile("\"FontName\"=\"Arial\"\n\"FontSize\"=" + stored + "\n")));
        QCOMPARE(store.readInteger("FontSize"), fontSize);
    }

    void fontSizeOutsideTheRangeLoadsAsDefault_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("fontSize");
        QTest::newRow("largest integer") << QByteArray("dword:7fffffff") << 13;
        QTest::newRow("negative") << QByteArray("dword:ffffffff") << 13;
        QTest::newRow("zero") << QByteArray("dword:00000000") << 13;
        QTest::newRow("below") << QByteArray("dword:00000005") << 13;
        QTest::newRow("smallest") << QByteArray("dword:00000006") << 6;
        QTest::newRow("largest") << QByteArray("dword:00000048") << 72;
        QTest::newRow("above") << QByteArray("dword:00000049") << 13;
    }
    void fontSizeOutsideTheRangeLoadsAsDefault() {
        QFETCH(QByteArray, stored);
        QFETCH(int, fontSize);
        const QString path = file(regFile("\"FontName\"=\"Arial\"\n\"FontSize\"=" + stored + "\n"));
        const Settings loaded = load(path);
        QCOMPARE(loaded.fontSize, fontSize);
        // What is saved back is the size in use, not the stored one.
        RegFileStore store(path);
        grabaIni(store, loaded, "/p/");
        QCOMPARE(RegFileStore(path).readInteger("FontSize"), fontSize);
    }

    void damagedFileReadsAsMissing() {
        const QString path = file(regFile("garbage line without meaning\n"
                                          "\"FontName\"=\"Arial\"\n"
                                          "\"FontSize\"=\"14\"\n"              // text where a number belongs
                                          "\"STDelay\"=dword:xyz\n"            // not hexadecimal
                                          "\"CDelay\"=dword:123456789\n"       // nine digits
                                          "\"PlaySound\"=hex:01,zz,00,00\n"    // bad byte
                                          "\"ViewAuto\"=dword:00000001 junk\n" // trailing junk
                                          "\"SkinDir\"=\"gold\\\\\n"           // unterminated text
                                          "\"Tips\"=dword:00000001\n"          // the one good number
                                          "\"Password\n"                       // unterminated name
                                          "=\"x\"\n"                           // no name
                                          "[HKEY_CURRENT_USER\\Software\\Other]\n"
                                          "\"FontSize\"=dword:00000009\n" // another key
                                          "[HKEY_LOCAL_MACHINE\\Software\\Velkora\\Qorin]\n"
                                          "\"Password\"=hex(1):41,00,42,00,\\\n")); // cut off at the end
        const Settings loaded = load(path);
        QCOMPARE(loaded.fontName, "Arial");
        QCOMPARE(loaded.fontSize, 13);
        QCOMPARE(loaded.stDelay, 40);
        QCOMPARE(loaded.cDelay, 60);
        QVERIFY(!loaded.playSound);
        QVERIFY(!loaded.viewAuto);
        QVERIFY(loaded.tips);
        QCOMPARE(loaded.skinDir, "standard\\");
        QCOMPARE(loaded.password, "");

        // Saving over it leaves a clean file that reads back whole.
        RegFileStore store(path);
        grabaIni(store, loaded, "/p/");
        QVERIFY(sameSettings(load(path), loaded));
    }

    void valueNamedAgainTakesThePlaceOfTheFirst() {
        const QList<RegValue> values = RegFileStore::parse(
            regFile("\"A\"=dword:00000001\n\"B\"=dword:00000002\n\"a\"=dword:00000003\n\"C\"=dword:00000004\n"));
        QStringList names;
        for (const RegValue& v : values)
            names << v.name + "=" + QString::number(v.dword);
        QCOMPARE(names, QStringList({"B=2", "a=3", "C=4"}));
    }

    void manyValuesReadInLinearTime() {
        // About 1 MB: 40,000 values, every name given twice in different case.
        QByteArray values;
        for (int i = 0; i < 40000; ++i)
            values += QByteArray(i % 2 ? "\"value" : "\"VALUE") + QByteArray::number(i / 2) +
                      "\"=dword:" + QByteArray::number(i, 16).rightJustified(8, '0') + "\n";
        const QByteArray bytes = regFile(values);
        QVERIFY(bytes.size() > 1000000);
        QElapsedTimer clock;
        clock.start();
        const QList<RegValue> parsed = RegFileStore::parse(bytes);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed()) + " ms"));
        QCOMPARE(parsed.size(), 20000);
        QCOMPARE(parsed.last().name, "value19999");
        QCOMPARE(parsed.last().dword, 39999u);
    }

    void unreadableFilesCountAsFirstRun_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\x13\x88\"FontName\"\x00=\"", 13);
        QTest::newRow("header only") << QByteArray("Windows Registry Editor Version 5.00\n");
        QTest::newRow("no key") << QByteArray("\"FontName\"=\"Arial\"\n");
        QTest::newRow("deleted value") << regFile("\"FontName\"=-\n");
    }
    void unreadableFilesCountAsFirstRun() {
        QFETCH(QByteArray, bytes);
        QVERIFY(sameSettings(load(file(bytes)), Settings()));
    }

    void utf16FileIsRead() {
        const QString text = QString::fromUtf8(regFile("\"FontName\"=\"Arial\"\r\n\"FontSize\"=dword:00000010\r\n"));
        QByteArray bytes("\xff\xfe");
        for (QChar c : text)
            bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        const Settings loaded = load(file(bytes));
        QCOMPARE(loaded.fontName, "Arial");
        QCOMPARE(loaded.fontSize, 16);
    }

    void scrambleFollowsTheGenerator() {
        // Worked from the generator: state0 = 0x5D3A17C4, state' = state * 134775813 + 1 (mod 2^32),
        // k = (state' * 99) >> 32:
        //   state1 = 0xA48386D5 -> k = 63;  state2 = 0xE6BF762A -> k = 89;  state3 = 0x3BFAF6D3 -> k = 23;
        //   state4 = 0xE1C39E20 -> k = 87;  state5 = 0x375A96A1 -> k = 21;  state6 = 0x8777F526 -> k = 52.
        // "abc" = 97, 98, 99 -> 160, 187, 122.  255 + k wraps modulo 255 to k: "ÿÿÿ" -> 63, 89, 23.
        // 1, 200, 255, 65, 66, 67 -> 64, 289-255 = 34, 23, 152, 87, 119.
        QCOMPARE(scramble("abc"), codes({160, 187, 122}));
        QCOMPARE(scramble(QString::fromUtf8("ÿÿÿ")), codes({63, 89, 23}));
        QCOMPARE(scramble(codes({1, 200, 255, 65, 66, 67})), codes({64, 34, 23, 152, 87, 119}));
        QCOMPARE(unscramble(codes({64, 34, 23, 152, 87, 119})), codes({1, 200, 255, 65, 66, 67}));
        QCOMPARE(scramble(""), "");
    }

    void passwordSurvivesSaveAndLoad() {
        QStringList passwords = {QString::fromUtf8("ÿÿÿ"), QString::fromUtf8("Pass wörd \"€\" \\ end")};
        for (int c = 1; c <= 255; ++c)
            passwords << codes({c});
        const QString path = dir.filePath("passwords.reg");
        for (const QString& password : passwords) {
            Settings saved;
            saved.password = password;
            RegFileStore store(path);
            grabaIni(store, saved, "/p/");
            QVERIFY2(load(path).password == password, qPrintable(QString::number(password[0].unicode())));
        }
    }

    void fileLocation() {
        const QByteArray forced = qgetenv("QORIN_SETTINGS"), config = qgetenv("XDG_CONFIG_HOME");
        qputenv("QORIN_SETTINGS", "/tmp/elsewhere.reg");
        QCOMPARE(settingsFilePath(), "/tmp/elsewhere.reg");
        qunsetenv("QORIN_SETTINGS");
        qputenv("XDG_CONFIG_HOME", "/cfg");
        QCOMPARE(settingsFilePath(), "/cfg/Velkora/Qorin.reg");
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(settingsFilePath(), QDir::homePath() + "/.config/Velkora/Qorin.reg");
        restore("QORIN_SETTINGS", forced);
        restore("XDG_CONFIG_HOME", config);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
