#include "htmlnormaliser.h"

#include "htmltags.h"

#include <QRegularExpression>

namespace {

constexpr int kDirIndent = 40;

bool isBlockClose(const HtmlToken& token) {
    static const QStringList blocks = {"p",  "div", "table",  "h1", "h2",         "h3", "h4", "h5",
                                       "h6", "pre", "center", "ul", "blockquote", "ol", "li", "dl"};
    return token.kind == HtmlToken::Kind::Tag && token.closing && blocks.contains(token.name);
}

// "00418D41" and "418D41" are Windows colour values written without "#".
QString normaliseColour(const QString& value) {
    static const QRegularExpression hex(QStringLiteral("^([0-9A-Fa-f]{2})?([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = hex.match(value.trimmed());
    return match.hasMatch() ? u'#' + match.captured(2) : value;
}

bool normaliseColours(HtmlToken& tag) {
    static const QStringList colourAttributes = {"color", "bgcolor", "text", "link", "vlink", "alink"};
    bool changed = false;
    for (HtmlAttribute& attribute : tag.attributes) {
        if (!attribute.hasValue || !colourAttributes.contains(attribute.name))
            continue;
        const QString colour = normaliseColour(attribute.value);
        if (colour != attribute.value) {
            attribute.value = colour;
            changed = true;
        }
    }
    return changed;
}

bool isBlankText(QStringView text) {
    return QString(text.toString())
        .replace(QStringLiteral("&nbsp;"), QString(), Qt::CaseInsensitive)
        .trimmed()
        .isEmpty();
}

// True when the cell that starts at the lexer holds pictures and links only.
bool holdsOnlyPictures(HtmlLexer lexer) {
    bool sawPicture = false;
    while (!lexer.atEnd()) {
        const HtmlToken token = lexer.next();
        if (token.kind == HtmlToken::Kind::Text) {
            if (!isBlankText(token.raw))
                return false;
        } else if (token.kind == HtmlToken::Kind::Tag) {
            if (token.isOpen("img"))
                sawPicture = true;
            else if (token.isTag("td") || token.isTag("tr") || token.isTag("table"))
                return sawPicture;
            else if (!token.isTag("a") && !token.isTag("br"))
                return false;
        }
    }
    return sawPicture;
}

class Normaliser {
public:
    Normaliser(QStringView html, bool underlineLinks) : m_lexer(html), m_underlineLinks(underlineLinks) {
        m_out.html.reserve(html.size() + html.size() / 4);
    }

    NormalisedHtml run() {
        while (!m_lexer.atEnd()) {
            HtmlToken token = m_lexer.next();
            if (token.kind == HtmlToken::Kind::Text)
                text(token.raw);
            else if (token.kind == HtmlToken::Kind::Tag)
                tag(token);
            else
                m_out.html += token.raw;
        }
        return std::move(m_out);
    }

private:
    void text(QStringView raw) {
        if (m_pendingNames.isEmpty()) {
            m_out.html += raw;
            return;
        }
        // Wrap the first visible character (an entity counts as one) in the waiting NAME anchors.
        qsizetype first = 0;
        while (first < raw.size() && raw[first].isSpace())
            ++first;
        if (first == raw.size()) {
            m_out.html += raw;
            return;
        }
        qsizetype length = 1;
        if (raw[first] == u'&') {
            const qsizetype semicolon = raw.indexOf(u';', first);
            if (semicolon > first && semicolon - first <= 10)
                length = semicolon - first + 1;
        } else if (raw[first].isHighSurrogate() && first + 1 < raw.size()) {
            length = 2;
        }
        m_out.html += raw.first(first);
        for (const QString& name : std::as_const(m_pendingNames))
            m_out.html += QStringLiteral("<a name=\"%1\">").arg(QString(name).replace(u'"', QStringLiteral("&quot;")));
        m_out.html += raw.mid(first, length);
        for (qsizetype i = 0; i < m_pendingNames.size(); ++i)
            m_out.html += QStringLiteral("</a>");
        m_out.html += raw.mid(first + length);
        m_pendingNames.clear();
    }

    void tag(HtmlToken& token) {
        const QString& name = token.name;
        if (name == u"a")
            anchor(token);
        else if (name == u"dir")
            dir(token);
        else if (name == u"img")
            picture(token);
        else if (name == u"td" && !token.closing)
            cell(token);
        else if (!token.closing && normaliseColours(token))
            m_out.html += token.write();
        else
            m_out.html += token.raw;

        if (name == u"body" && !token.closing && token.has("background"))
            m_out.pictures.append(token.value("background"));
        if (name == u"u")
            m_underline = token.closing ? std::max(0, m_underline - 1) : m_underline + 1;
        if (name == u"table")
            m_tableDepth = token.closing ? std::max(0, m_tableDepth - 1) : m_tableDepth + 1;
        if (isBlockClose(token) && m_dirDepth > 0 && m_tableDepth == m_dirTableDepth)
            m_out.html += QStringLiteral("</div>") + dirBlock(m_dirDepth);
    }

    void anchor(const HtmlToken& token) {
        if (token.closing) {
            if (m_hrefOpen)
                m_out.html += QStringLiteral("</a>");
            m_hrefOpen = false;
            return;
        }
        if (token.has("name"))
            m_pendingNames.append(token.value("name"));
        if (!token.has("href"))
            return;
        if (m_hrefOpen)
            m_out.html += QStringLiteral("</a>");
        HtmlToken link = token;
        link.remove("name");
        if (!m_underlineLinks && m_underline == 0)
            link.setValue("style", QStringLiteral("text-decoration:none"));
        m_out.html += link.write();
        m_hrefOpen = true;
    }

    static QString dirBlock(int depth) {
        return QStringLiteral("<div style=\"margin-left:%1px\">").arg(depth * kDirIndent);
    }

    // Each level is a flat block; leaving the last level opens a plain block, so that text after </dir> inside
    // an open <p> starts a block of its own.
    void dir(const HtmlToken& token) {
        if (token.closing) {
            if (m_dirDepth == 0)
                return;
            --m_dirDepth;
        } else {
            if (m_dirDepth == 0)
                m_dirTableDepth = m_tableDepth;
            ++m_dirDepth;
        }
        if (m_dirOpen)
            m_out.html += QStringLiteral("</div>");
        m_out.html += dirBlock(m_dirDepth);
        m_dirOpen = true;
    }

    void picture(HtmlToken& token) {
        if (token.closing)
            return;
        bool changed = normaliseColours(token);
        if (token.has("transp")) {
            token.remove("transp");
            token.setValue("src", token.value("src") + kTranspMarker);
            changed = true;
        }
        if (token.has("src"))
            m_out.pictures.append(token.value("src"));
        m_out.html += changed ? token.write() : token.raw.toString();
    }

    void cell(HtmlToken& token) {
        bool changed = normaliseColours(token);
        if (!token.has("width") && holdsOnlyPictures(m_lexer)) {
            token.setValue("width", QStringLiteral("1%"));
            changed = true;
        }
        m_out.html += changed ? token.write() : token.raw.toString();
    }

    HtmlLexer m_lexer;
    const bool m_underlineLinks;
    int m_underline = 0; // open <u> elements
    NormalisedHtml m_out;
    QStringList m_pendingNames;
    bool m_hrefOpen = false;
    int m_dirDepth = 0;
    bool m_dirOpen = false;
    int m_tableDepth = 0;
    int m_dirTableDepth = 0;
};

} // namespace

NormalisedHtml normaliseHtml(QStringView html, bool underlineLinks) {
    return Normaliser(html, underlineLinks).run();
}
