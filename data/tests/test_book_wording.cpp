// Guards the book's wording: no hexagram member may use a rendering that the glossary has retired.
// The retired renderings are read from the glossary itself, so the table there is the one list.
#include "member.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kBookDir = QStringLiteral(QORIN_DATA_DIR "/book/");

// The left column of the glossary's "Retired renderings" table, header row left out.
QStringList retiredRenderings() {
    QFile file(kBookDir + "GLOSSARY.md");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList retired;
    bool inSection = false, pastHeader = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString row = line.trimmed();
        if (row.startsWith("## ")) {
            inSection = row == QLatin1String("## Retired renderings");
            continue;
        }
        if (!inSection || !row.startsWith('|'))
            continue;
        const QString cell = row.section('|', 1, 1).trimmed();
        if (cell.startsWith("---")) {
            pastHeader = true;
        } else if (pastHeader && !cell.isEmpty()) {
            retired << cell;
        }
    }
    return retired;
}

// A retired rendering as a whole-word, case-blind pattern; its spaces match any run of blanks.
QRegularExpression pattern(const QString& retired) {
    QStringList words = retired.split(' ', Qt::SkipEmptyParts);
    for (QString& word : words)
        word = QRegularExpression::escape(word);
    return QRegularExpression("\\b" + words.join("\\s+") + "\\b", QRegularExpression::CaseInsensitiveOption |
                                                                      QRegularExpression::UseUnicodePropertiesOption);
}

} // namespace

class TestBookWording : public QObject {
    Q_OBJECT
private slots:
    void glossaryListsRetiredRenderings() {
        const QStringList retired = retiredRenderings();
        QVERIFY2(retired.contains("It furthers") && retired.contains("Perseverance furthers"),
                 qPrintable("retired renderings read from the glossary: " + retired.join(", ")));
    }

    void patternsMatchWholeWordsOnly() {
        const QRegularExpression re = pattern("It furthers");
        QVERIFY(re.match("so it furthers the work").hasMatch());
        QVERIFY(re.match("IT\n FURTHERS").hasMatch());
        QVERIFY(!re.match("Bit furthers").hasMatch());
        QVERIFY(!re.match("it furthersome").hasMatch());
        QVERIFY(pattern("No blame").match("No blame.").hasMatch());
        QVERIFY(!pattern("Humiliation").match("humiliations").hasMatch());
    }

    void members_data() {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 64; ++n)
            QTest::newRow(qPrintable(numToNom(n))) << n;
    }
    void members() {
        QFETCH(int, n);
        QFile file(kBookDir + numToNom(n));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QRegularExpression("\r\n|\r|\n"));

        QStringList found;
        for (const QString& retired : retiredRenderings()) {
            const QRegularExpression re = pattern(retired);
            for (qsizetype i = 0; i < lines.size(); ++i)
                for (const auto& m : re.globalMatch(lines[i]))
                    found << QStringLiteral("%1 line %2: \"%3\"").arg(numToNom(n)).arg(i + 1).arg(m.captured());
        }
        QVERIFY2(found.isEmpty(), qPrintable("retired renderings in use:\n" + found.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestBookWording)
#include "test_book_wording.moc"
