#pragma once

#include "filelist.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <map>

// A scratch world for one test: a home folder and a data folder (HOME and XDG_DATA_HOME point at them) and a
// source folder holding the four installable files, filled with bytes of awkward sizes around the copy block.
struct InstallFixture {
    QTemporaryDir root;
    QString home = root.filePath(QStringLiteral("home"));
    QString data = root.filePath(QStringLiteral("data"));
    QString source = root.filePath(QStringLiteral("source"));
    std::map<QString, QByteArray> contents;

    InstallFixture() {
        QDir().mkpath(home);
        QDir().mkpath(data);
        QDir().mkpath(source);
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_DATA_HOME", data.toUtf8());
        const qint64 sizes[] = {3 * copyBlockSize + 17, copyBlockSize, 0, 2 * copyBlockSize - 1};
        for (int k = 0; k < fileList().size(); ++k) {
            QByteArray bytes(sizes[k], Qt::Uninitialized);
            for (char& b : bytes)
                b = static_cast<char>(QRandomGenerator::global()->bounded(256));
            contents[fileList()[k]] = bytes;
            write(source + QLatin1Char('/') + fileList()[k], bytes);
        }
        QFile::setPermissions(source + QLatin1Char('/') + mainProgramName(),
                              QFile::permissions(source + QLatin1Char('/') + mainProgramName()) | QFile::ExeOwner);
    }

    QString menuFolder() const { return data + QStringLiteral("/applications/") + shortcutSubFolder; }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

// desktop-file-validate's complaints about a desktop file; empty when it is valid.
inline QString desktopFileProblems(const QString& path) {
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    if (!validate.waitForFinished(20000))
        return QStringLiteral("desktop-file-validate did not run (scripts/install-deps installs it)");
    const QString output = QString::fromUtf8(validate.readAllStandardOutput() + validate.readAllStandardError());
    return validate.exitCode() == 0 ? output.trimmed() : output + QStringLiteral(" (exit %1)").arg(validate.exitCode());
}
