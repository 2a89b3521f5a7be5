#pragma once

#include "archive.h"
#include "htmlview.h"
#include "journalhost.h"
#include "programdir.h"
#include "skins.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
