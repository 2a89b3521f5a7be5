#include "dateform.h"
#include "journaltable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

// The journal's files as other programs see them: dbfread reads every field and memo back,
// and an independent walk of each index finds a sound tree in the order of a plain sort.
class TestJournalFiles : public QObject {
    Q_OBJECT

    struct Written {
        QString question, name, group, comment, h1, h2;
        QDate date;
        bool deleted = false;
    };

    static QJsonObject check(const QString& folder) {
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(QORIN_CHECK_JOURNAL), folder});
        if (!python.waitForFinished(120000) || python.exitCode() != 0)
            qWarning("%s", python.readAllStandardError().constData());
        return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    }

    static void compare(const QJsonObject& got, const Written& w) {
        QCOMPARE(got[QLatin1String("QUESTION")].toString(), w.question.trimmed());
        QCOMPARE(got[QLatin1String("NAME")].toString(), w.name);
        QCOMPARE(got[QLatin1String("GROUP")].toString(), w.group);
        QCOMPARE(got[QLatin1String("H1")].toString(), w.h1);
        QCOMPARE(got[QLatin1String("H2")].toString(), w.h2);
        QCOMPARE(got[QLatin1String("DATE")].toString(), w.date.toString(Qt::ISODate));
        QCOMPARE(got[QLatin1String("COMMENT")].toString(), QString(w.comment).replace(QLatin1Char('\n'), "\r\n"));
    }

private slots:
    void independentReadersAgree() {
        setDateDisplayForm(DateForm{});
        QTemporaryDir dir;
        dir.setAutoRemove(qEnvironmentVariableIsEmpty("QORIN_KEEP"));
        const QString folder = dir.path() + QLatin1Char('/');
        QRandomGenerator random(7);
        const QStringList names{QStringLiteral("Mei"),
                                QStringLiteral("Jürgen"),
                                QStringLiteral("Ñoño"),
                                QStringLiteral("Hélène"),
                                QString(),
                                QStringLiteral("Zhou")};
        QList<Written> written;
        JournalRunState state;
        {
            JournalTable j(folder, state);
            j.inicializa();
            for (int i = 0; i < 300; ++i) {
                Written w;
                w.date = QDate(2020, 1, 1).addDays(random.bounded(2000));
                const int h1 = 1 + random.bounded(64), h2 = random.bounded(3) ? 1 + random.bounded(64) : 0;
                w.h1 = journalHexagram(h1);
                w.h2 = journalHexagram(h2);
                w.question = QStringLiteral("Question %1 about the ford, çà et là?").arg(random.bounded(1000));
                j.appendAnswer({w.question, h1, h2}, w.date);
                w.name = names[random.bounded(names.size())];
                w.group = names[random.bounded(names.size())] + QStringLiteral(" group");
                j.table().SetCField(QStringLiteral("name"), w.name);
                j.table().SetCField(QStringLiteral("group"), w.group);
                if (i % 3 == 0)
                    w.comment = QStringLiteral("Comment %1\nsecond line: ê ü ñ").arg(i);
                j.writeBack(w.comment);
                if (i % 7 == 0) {
                    j.table().DeleteRec();
                    w.deleted = true;
                }
                written << w;
            }
            j.table().close();
        }

        const QJsonObject result = check(folder);
        QVERIFY2(!result.isEmpty(), "dbfread gave no answer");
        const QJsonArray live = result[QLatin1String("live")].toArray();
        const QJsonArray deleted = result[QLatin1String("deleted")].toArray();
        QCOMPARE(live.size() + deleted.size(), 300);
        int l = 0, d = 0;
        for (const Written& w : written)
            compare((w.deleted ? deleted[d++] : live[l++]).toObject(), w);

        const QJsonObject indexes = result[QLatin1String("indexes")].toObject();
        QCOMPARE(indexes.size(), 6);
        for (auto it = indexes.begin(); it != indexes.end(); ++it) {
            const QJsonObject index = it.value().toObject();
            QVERIFY2(index[QLatin1String("errors")].toArray().isEmpty(),
                     qPrintable(it.key() + QLatin1String(": ") +
                                QJsonDocument(index[QLatin1String("errors")].toArray()).toJson()));
            QCOMPARE(index[QLatin1String("records")].toArray().size(), 300);
        }
    }

    void anEmptyJournalHasEmptyIndexes() {
        QTemporaryDir dir;
        JournalRunState state;
        {
            JournalTable j(dir.path() + QLatin1Char('/'), state);
            j.inicializa();
        }
        QFile date(dir.filePath(QStringLiteral("date.ndx")));
        QVERIFY(date.open(QIODevice::ReadOnly));
        const QByteArray ndx = date.readAll();
        QCOMPARE(ndx.size(), 1024);
        QCOMPARE(qFromLittleEndian<quint32>(ndx.constData()), 1u);
        QCOMPARE(qFromLittleEndian<quint32>(ndx.constData() + 4), 2u);
        QCOMPARE(qFromLittleEndian<quint16>(ndx.constData() + 12), quint16(8));
        QCOMPARE(qFromLittleEndian<quint16>(ndx.constData() + 16), quint16(1));
        QCOMPARE(ndx.mid(512), QByteArray(512, '\0'));
        const QJsonObject result = check(dir.path());
        QCOMPARE(result[QLatin1String("live")].toArray().size(), 0);
        for (const QJsonValue index : result[QLatin1String("indexes")].toObject())
            QVERIFY(index.toObject()[QLatin1String("errors")].toArray().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestJournalFiles)
#include "test_journalfiles.moc"
