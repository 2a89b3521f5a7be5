#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class Archive;

// Longest search text: the book search keeps the text and its two case forms in buffers of this size.
inline constexpr int kMaxSearchText = 128;

// The raw text of hexagram page n as the book search reads it: empty when there is no such page.
using PageReader = std::function<QByteArray(int page)>;

// Reads page n's member ("01.txt" ... "64.txt") from the archive; a member the archive lacks gives
// empty text. Raises ArchiveError when the archive itself can't be read.
PageReader archivePageReader(const Archive& archive, const QString& archivePath);

// The search text in the three Windows-1252 forms the byte scan compares with: as typed, in upper
// and in lower case. A text that Windows-1252 can't hold is found nowhere.
class SearchPattern {
public:
    SearchPattern(const QString& text, bool matchCase);

    bool isEmpty() const { return typed.isEmpty(); }

    // True when bytes hold the text. After the first matched byte, every CR and LF byte of the
    // page is skipped, so a line break inside the page does not stop a phrase from matching; a
    // blank in the text does not match a line break.
    bool foundIn(const QByteArray& bytes) const;

private:
    bool matches(char byte, qsizetype j) const {
        return matchCase ? byte == typed[j] : byte == upper[j] || byte == lower[j];
    }

    QByteArray typed, upper, lower;
    bool matchCase = false;
    bool representable = true;
};

// True when hexagram page n, read through read, holds the pattern.
bool buscaStream(const SearchPattern& pattern, int n, const PageReader& read);

// True when text, trimmed and in upper case, holds markup of the page texts ("<", ">", "HREF",
// "@" or "/A"); such a text is refused as not found.
bool hasRefusedMarkup(const QString& text);

// The "From" box as a start page: its trimmed text when that is "1" ... "64", otherwise 0.
int startPageOf(const QString& fromText);
