#include "member.h"

#include "archive.h"
#include "codepage.h"

QString numToNom(int n) {
    return (n < 10 ? QStringLiteral("0") : QString()) + QString::number(n) + QStringLiteral(".txt");
}

QStringList memberLines(const QByteArray& bytes) {
    const QString text = fromCp1252(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

QStringList expande(const Archive& archive, const QString& archivePath, const QString& member) {
    QByteArray stream;
    archive.expandToStream(archivePath, stream, member);
    return memberLines(stream);
}
