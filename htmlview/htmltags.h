#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

// A small lexer for the HTML our pages are made of: text runs, tags and comments, with attributes that may be
// upper- or lower-case, quoted or not, or bare (`transp`).
struct HtmlAttribute {
    QString name; // lower-case
    QString value;
    bool hasValue = false;
};

struct HtmlToken {
    enum class Kind { Text, Tag, Other };
    Kind kind = Kind::Text;
    QStringView raw;      // the token exactly as written
    QString name;         // tag name, lower-case
    bool closing = false; // </name>
    QList<HtmlAttribute> attributes;

    bool isTag(const char* tag) const { return kind == Kind::Tag && name == QLatin1StringView(tag); }
    bool isOpen(const char* tag) const { return isTag(tag) && !closing; }
    bool isClose(const char* tag) const { return isTag(tag) && closing; }
    const HtmlAttribute* attribute(const char* attributeName) const;
    QString value(const char* attributeName) const;
    bool has(const char* attributeName) const { return attribute(attributeName) != nullptr; }
    void setValue(const char* attributeName, const QString& value);
    void remove(const char* attributeName);
    // The tag written back with every value quoted.
    QString write() const;
};

class HtmlLexer {
public:
    explicit HtmlLexer(QStringView html) : m_html(html), m_deadEnds(std::make_shared<std::vector<quint8>>()) {}
    bool atEnd() const { return m_pos >= m_html.size(); }
    HtmlToken next();

private:
    qsizetype tagEnd(qsizetype from);

    QStringView m_html;
    qsizetype m_pos = 0;
    // Per character, the search states from which a tag's closing '>' is known not to follow. Filled from the
    // first tag left open on and shared by copies of the lexer, it keeps runs of unclosed tags linear.
    std::shared_ptr<std::vector<quint8>> m_deadEnds;
};
