// Runs the built program with arguments and captures what it prints, for the tests of the command-line companions.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

struct Run {
    int code = -1;
    QStringList out;
    QString err;
};

// Runs program with the arguments, input on its standard input, and the environment given.
inline Run runProgram(const QString& program, const QStringList& arguments, const QByteArray& input = {},
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    Run run;
    if (!process.waitForFinished(120000)) {
        process.kill(); // a program that hangs fails with code -1
        process.waitForFinished();
        return run;
    }
    run.code = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

#ifdef QORIN_PROGRAM
inline Run qorin(const QStringList& arguments) {
    return runProgram(QStringLiteral(QORIN_PROGRAM), arguments);
}
#endif

#ifdef QORIN_BIN_DIR
// A program folder of its own: a copy of the program, its oracle library and the archive, with its own
// settings file, so that the journal the program writes beside itself lies here.
struct ProgramCopy {
    QTemporaryDir folder;
    bool ready = true;

    ProgramCopy() {
        for (const char* name : {"qorin", "liboracle.so", "DATA1.HHZ"})
            ready = QFile::copy(QStringLiteral(QORIN_BIN_DIR "/") + name, path(QLatin1String(name))) && ready;
        QFile::setPermissions(path(QStringLiteral("qorin")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QString dir() const { return folder.path() + QLatin1Char('/'); }

    Run run(const QStringList& arguments, const QByteArray& input = {}) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QORIN_SETTINGS"), path(QStringLiteral("Qorin.reg")));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // dates as MM/dd/yyyy
        return runProgram(path(QStringLiteral("qorin")), arguments, input, env);
    }
};
#endif
