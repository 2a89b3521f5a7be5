#include "htmltags.h"

namespace {

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':';
}

// Parses the inside of a tag (between '<' and '>') into name and attributes.
void parseTag(QStringView body, HtmlToken& token) {
    qsizetype i = 0;
    if (i < body.size() && body[i] == u'/') {
        token.closing = true;
        ++i;
    }
    const qsizetype nameStart = i;
    while (i < body.size() && isNameChar(body[i]))
        ++i;
    token.name = body.mid(nameStart, i - nameStart).toString().toLower();
    while (i < body.size()) {
        while (i < body.size() && (body[i].isSpace() || body[i] == u'/'))
            ++i;
        const qsizetype attrStart = i;
        while (i < body.size() && !body[i].isSpace() && body[i] != u'=' && body[i] != u'/')
            ++i;
        if (i == attrStart)
            break;
        HtmlAttribute attribute;
        attribute.name = body.mid(attrStart, i - attrStart).toString().toLower();
        qsizetype j = i;
        while (j < body.size() && body[j].isSpace())
            ++j;
        if (j < body.size() && body[j] == u'=') {
            ++j;
            while (j < body.size() && body[j].isSpace())
                ++j;
            attribute.hasValue = true;
            if (j < body.size() && (body[j] == u'"' || body[j] == u'\'')) {
                const QChar quote = body[j++];
                const qsizetype valueStart = j;
                while (j < body.size() && body[j] != quote)
                    ++j;
                attribute.value = body.mid(valueStart, j - valueStart).toString();
                if (j < body.size())
                    ++j;
            } else {
                const qsizetype valueStart = j;
                while (j < body.size() && !body[j].isSpace())
                    ++j;
                attribute.value = body.mid(valueStart, j - valueStart).toString();
            }
            i = j;
        }
        token.attributes.append(attribute);
    }
}

// The search for a tag's closing '>': outside quotes (just after '=' or not), or inside a quoted value.
enum ScanState : quint8 { Plain = 1, AfterEquals = 2, InDoubleQuotes = 4, InSingleQuotes = 8 };

// The state after ch; closes is set when ch is the closing '>'.
ScanState scanStep(ScanState state, QChar ch, bool& closes) {
    closes = false;
    if (state == InDoubleQuotes || state == InSingleQuotes) {
        const bool ends = ch == (state == InDoubleQuotes ? u'"' : u'\'');
        return ends ? Plain : state;
    }
    if (ch == u'>') {
        closes = true;
        return Plain;
    }
    if (state == AfterEquals && ch == u'"')
        return InDoubleQuotes;
    if (state == AfterEquals && ch == u'\'')
        return InSingleQuotes;
    if (ch.isSpace())
        return state;
    return ch == u'=' ? AfterEquals : Plain;
}

} // namespace

const HtmlAttribute* HtmlToken::attribute(const char* attributeName) const {
    for (const HtmlAttribute& attribute : attributes)
        if (attribute.name == QLatin1StringView(attributeName))
            return &attribute;
    return nullptr;
}

QString HtmlToken::value(const char* attributeName) const {
    const HtmlAttribute* found = attribute(attributeName);
    return found ? found->value : QString();
}

void HtmlToken::setValue(const char* attributeName, const QString& value) {
    for (HtmlAttribute& attribute : attributes)
        if (attribute.name == QLatin1StringView(attributeName)) {
            attribute.value = value;
            attribute.hasValue = true;
            return;
        }
    attributes.append({QString::fromLatin1(attributeName), value, true});
}

void HtmlToken::remove(const char* attributeName) {
    attributes.removeIf(
        [&](const HtmlAttribute& attribute) { return attribute.name == QLatin1StringView(attributeName); });
}

QString HtmlToken::write() const {
    QString out = closing ? QStringLiteral("</") : QStringLiteral("<");
    out += name;
    for (const HtmlAttribute& attribute : attributes) {
        out += u' ';
        out += attribute.name;
        if (attribute.hasValue) {
            out += QStringLiteral("=\"");
            out += QString(attribute.value).replace(u'"', QStringLiteral("&quot;"));
            out += u'"';
        }
    }
    out += u'>';
    return out;
}

// The '>' that closes the tag whose name starts at from, outside quoted values; -1 when none follows.
qsizetype HtmlLexer::tagEnd(qsizetype from) {
    const qsizetype size = m_html.size();
    ScanState state = Plain;
    bool closes = false;
    qsizetype i = from;
    for (; i < size; ++i) {
        if (!m_deadEnds->empty() && ((*m_deadEnds)[size_t(i)] & state))
            break; // an earlier search went on from here in this state and found no '>'
        state = scanStep(state, m_html[i], closes);
        if (closes)
            return i;
    }
    // Walk the same way again, marking each step as leading nowhere.
    if (m_deadEnds->empty())
        m_deadEnds->resize(size_t(size));
    state = Plain;
    for (qsizetype j = from; j < i; ++j) {
        (*m_deadEnds)[size_t(j)] |= state;
        state = scanStep(state, m_html[j], closes);
    }
    return -1;
}

HtmlToken HtmlLexer::next() {
    HtmlToken token;
    const qsizetype start = m_pos;
    const qsizetype size = m_html.size();
    if (m_html[m_pos] == u'<' && m_pos + 1 < size) {
        const QChar c = m_html[m_pos + 1];
        if (m_html.mid(m_pos).startsWith(u"<!--")) {
            const qsizetype end = m_html.indexOf(u"-->", m_pos + 4);
            m_pos = end < 0 ? size : end + 3;
            token.kind = HtmlToken::Kind::Other;
            token.raw = m_html.mid(start, m_pos - start);
            return token;
        }
        const bool tagStart =
            c.isLetter() || c == u'!' || (c == u'/' && m_pos + 2 < size && m_html[m_pos + 2].isLetter());
        if (tagStart) {
            const qsizetype i = tagEnd(m_pos + 1);
            if (i >= 0) {
                m_pos = i + 1;
                token.raw = m_html.mid(start, m_pos - start);
                if (c == u'!') {
                    token.kind = HtmlToken::Kind::Other;
                } else {
                    token.kind = HtmlToken::Kind::Tag;
                    parseTag(m_html.mid(start + 1, i - start - 1), token);
                }
                return token;
            }
        }
    }
    // Text runs to the next '<' (a '<' that starts no tag is text too).
    const qsizetype end = m_html.indexOf(u'<', m_pos + 1);
    m_pos = end < 0 ? size : end;
    token.kind = HtmlToken::Kind::Text;
    token.raw = m_html.mid(start, m_pos - start);
    return token;
}
