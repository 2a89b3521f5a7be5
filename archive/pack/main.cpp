// Packs the data folders into the program's data archive.
// Text members (.txt, .htm) are written in Windows-1252; a character outside it stops the build.
#include "archive.h"
#include "archivewriter.h"
#include "codepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <cstdio>

namespace {

bool isText(const QString& name) {
    return name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

// Converts a UTF-8 text file; on failure returns false with the reason in error.
bool convertText(const QString& path, const QByteArray& utf8, QByteArray& out, QString& error) {
    const QList<QByteArray> lines = utf8.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = QString::fromUtf8(lines[n]);
        if (line.contains(QChar::ReplacementCharacter) && !lines[n].contains("\xEF\xBF\xBD")) {
            error = QStringLiteral("%1:%2: not valid UTF-8").arg(path).arg(n + 1);
            return false;
        }
        const qsizetype bad = firstNonCp1252(line);
        if (bad >= 0) {
            error = QStringLiteral("%1:%2:%3: character U+%4 is outside Windows-1252")
                        .arg(path)
                        .arg(n + 1)
                        .arg(bad + 1)
                        .arg(line[bad].unicode(), 4, 16, QLatin1Char('0'));
            return false;
        }
    }
    out = toCp1252(QString::fromUtf8(utf8));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: qorin-pack ARCHIVE FOLDER...\n");
        return 2;
    }

    QList<ArchiveMember> members;
    QSet<QString> seen;
    for (const QString& folder : args.mid(2)) {
        const QDir dir(folder);
        if (!dir.exists()) {
            std::fprintf(stderr, "qorin-pack: %s: no such folder\n", qPrintable(folder));
            return 1;
        }
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            // Notes for the book's writers (the glossary) sit beside the members but are not packed.
            if (name.endsWith(QLatin1String(".md"), Qt::CaseInsensitive))
                continue;
            if (seen.contains(name.toLower())) {
                std::fprintf(stderr, "qorin-pack: %s: member %s packed twice\n", qPrintable(folder), qPrintable(name));
                return 1;
            }
            seen.insert(name.toLower());
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "qorin-pack: %s: can't be read\n", qPrintable(file.fileName()));
                return 1;
            }
            QByteArray bytes = file.readAll();
            if (isText(name)) {
                QString error;
                if (!convertText(file.fileName(), bytes, bytes, error)) {
                    std::fprintf(stderr, "qorin-pack: %s\n", qPrintable(error));
                    return 1;
                }
            }
            members.append({name, bytes});
        }
    }

    try {
        writeArchive(args[1], members, kArchiveKey);
    } catch (const ArchiveError& e) {
        std::fprintf(stderr, "qorin-pack: %s\n", e.what());
        return 1;
    }
    return 0;
}
