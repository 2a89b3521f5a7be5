#pragma once

#include "oraclemessage.h"
#include "programdir.h"
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// A program folder holding a copy of the built archive, entered; the oracle's delays at 1 ms, no sound, and
// the error box recording its messages.
struct OracleFixture {
    QTemporaryDir folder;
    QStringList errors;
    Settings saved = settings();

    OracleFixture() {
        QFile::copy(QStringLiteral(QORIN_ARCHIVE), folder.filePath(QStringLiteral("DATA1.HHZ")));
        QDir::setCurrent(folder.path());
        setProgramDir(folder.path() + QLatin1Char('/'));
        settings().cDelay = 1;
        settings().stDelay = 1;
        settings().playSound = false;
        setOracleErrorBox([this](const QString& message) { errors << message; });
    }
    ~OracleFixture() {
        setOracleErrorBox({});
        settings() = saved;
    }
};
