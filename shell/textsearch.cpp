#include "textsearch.h"

#include "archive.h"
#include "codepage.h"
#include "member.h"

namespace {

// One character's case form in Windows-1252; the character itself when the form has no single code there.
char caseForm(QChar c, bool upper) {
    const QString form = upper ? QString(c).toUpper() : QString(c).toLower();
    if (form.size() != 1 || !fitsCp1252(form))
        return toCp1252(QString(c)).at(0);
    return toCp1252(form).at(0);
}

} // namespace

PageReader archivePageReader(const Archive& archive, const QString& archivePath) {
    return [archive, archivePath](int page) {
        QByteArray bytes;
        archive.expandToStream(archivePath, bytes, numToNom(page));
        return bytes;
    };
}

SearchPattern::SearchPattern(const QString& text, bool matchCase) : matchCase(matchCase) {
    representable = fitsCp1252(text);
    typed = toCp1252(text);
    upper.reserve(typed.size());
    lower.reserve(typed.size());
    for (const QChar c : text) {
        upper.append(caseForm(c, true));
        lower.append(caseForm(c, false));
    }
}

bool SearchPattern::foundIn(const QByteArray& bytes) const {
    const qsizetype length = typed.size();
    if (length == 0 || !representable)
        return false;
    const char* page = bytes.constData();
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (!matches(page[i], 0))
            continue;
        qsizetype k = i + 1;
        qsizetype j = 1;
        while (j < length) {
            if (k >= size)
                return false; // the page ends inside a match: no later start can complete either
            const char b = page[k++];
            if (b == '\r' || b == '\n')
                continue;
            if (!matches(b, j))
                break;
            ++j;
        }
        if (j == length)
            return true;
    }
    return false;
}

bool buscaStream(const SearchPattern& pattern, int n, const PageReader& read) {
    return pattern.foundIn(read(n));
}

bool hasRefusedMarkup(const QString& text) {
    QString upper = text.trimmed();
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    for (const char* markup : {"<", ">", "HREF", "@", "/A"})
        if (upper.contains(QLatin1String(markup)))
            return true;
    return false;
}

int startPageOf(const QString& fromText) {
    const QString text = fromText.trimmed();
    for (int n = 64; n >= 1; --n)
        if (text == QString::number(n))
            return n;
    return 0;
}
