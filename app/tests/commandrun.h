// Runs the built program with arguments and captures what it prints, for the tests of the command-line companions.
#pragma once

#include <QProcess>
#include <QStringList>

struct Run {
    int code = -1;
    QStringList out;
    QString err;
};

inline Run qorin(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QORIN_PROGRAM), arguments);
    process.waitForFinished(60000);
    Run run;
    run.code = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
