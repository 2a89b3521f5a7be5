#pragma once

#include "archive.h"
#include "dbfformat.h"
#include "htmlview.h"
#include "journalhost.h"
#include "journaltable.h"
#include "programdir.h"
#include "skins.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

// A program folder with a copy of the built archive and its skins written out, made the current folder.
struct ProgramFolder {
    QTemporaryDir folder;
    ProgramFolder() {
        QFile::copy(QStringLiteral(QORIN_ARCHIVE), folder.filePath(QStringLiteral("DATA1.HHZ")));
        QDir::setCurrent(folder.path());
        setProgramDir(folder.path() + QLatin1Char('/'));
        initSkins();
    }
    ~ProgramFolder() {
        freeSkins();
        Archive::clearCache();
    }
    QString path(const QString& name) const { return folder.filePath(name); }
};

// The main window as the journal windows see it: it records what they ask of it.
struct FakeHost : JournalHost {
    struct Shown {
        QString question, date;
        SixLines primary{}, changed{};
        bool moving = false;
    };
    QList<Shown> shown;
    QList<int> hexagramPages;
    QStringList memo2;
    HtmlView view;

    void showStoredAnswer(const QString& question, const QString& date, const SixLines& primary,
                          const SixLines& changed, bool moving) override {
        shown.append({question, date, primary, changed, moving});
    }
    void showHexagramPage(int n) override { hexagramPages.append(n); }
    QStringList& textBuffer() override { return memo2; }
    const HtmlView& pageView() const override { return view; }
};

// Writes a journal of count records straight into the table file, as the engine would store them:
// hexagram numbers drawn from 1..64, a blank second hexagram for one record in three.
inline void writeLargeJournal(const QString& path, int count, unsigned seed = 1) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> hexagram(1, 64), third(0, 2), day(0, 3650);
    QByteArray file = dbfHeader(journalFields(), count, 2026, 12, 10);
    file.reserve(file.size() + qsizetype(count) * 153 + 1);
    const QDate start(2016, 1, 1);
    for (int i = 0; i < count; ++i) {
        QByteArray record(" ");
        record += QByteArray(10, ' ');
        record += start.addDays(day(rng)).toString(QStringLiteral("yyyyMMdd")).toLatin1();
        record += QByteArray::number(hexagram(rng)).rightJustified(2, '0');
        record += third(rng) == 0 ? QByteArray("  ") : QByteArray::number(hexagram(rng)).rightJustified(2, '0');
        record += QByteArray("Someone").leftJustified(20, ' ');
        record += QByteArray("Work").leftJustified(20, ' ');
        record += QByteArray("What does the coming season hold for question ")
                      .append(QByteArray::number(i))
                      .leftJustified(90, ' ');
        file += record;
    }
    file += '\x1A';
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(file);
}
