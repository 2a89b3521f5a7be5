#pragma once

// Helpers the view tests share: a shown view fed with the fixture pictures, and the places of links in it.

#include "fixturepage.h"
#include "htmlview.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace testing {

// A view of the given size, shown and exposed, whose pictures are the fixture's; `requests` counts image requests.
struct ShownView {
    explicit ShownView(QSize size = QSize(600, 400)) {
        view.resize(size);
        view.OnImageRequest = [this](const QString& source) {
            requests << source;
            return fixture::picture(source);
        };
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            qWarning("the view was not exposed");
    }
    HtmlView view;
    QStringList requests;
};

// Every fragment of the document, tables included, in document order.
template <typename Visit> void forEachFragment(const QTextDocument* document, Visit visit) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            visit(it.fragment());
}

// Position of the first character that links to href, or -1.
inline int linkPosition(const QTextDocument* document, const QString& href) {
    int found = -1;
    forEachFragment(document, [&](const QTextFragment& fragment) {
        if (found < 0 && fragment.charFormat().isAnchor() && fragment.charFormat().anchorHref() == href)
            found = fragment.position();
    });
    return found;
}

// Position of the first character that carries the anchor name, or -1.
inline int anchorPosition(const QTextDocument* document, const QString& name) {
    int found = -1;
    forEachFragment(document, [&](const QTextFragment& fragment) {
        if (found < 0 && fragment.charFormat().anchorNames().contains(name))
            found = fragment.position();
    });
    return found;
}

// The text of every character that links to href, fragments joined.
inline QString linkText(const QTextDocument* document, const QString& href) {
    QString text;
    forEachFragment(document, [&](const QTextFragment& fragment) {
        if (fragment.charFormat().isAnchor() && fragment.charFormat().anchorHref() == href)
            text += fragment.text();
    });
    return text;
}

// The middle of the character (or picture) at position, in viewport coordinates, after scrolling it into view.
inline QPoint characterPoint(HtmlView& view, int position) {
    QTextCursor cursor(view.document());
    cursor.setPosition(position);
    view.setTextCursor(cursor);
    view.ensureCursorVisible();
    const QRect left = view.cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect right = view.cursorRect(cursor);
    return QPoint((left.left() + right.left()) / 2, left.center().y());
}

inline void clickLink(HtmlView& view, const QString& href) {
    const int position = linkPosition(view.document(), href);
    QVERIFY2(position >= 0, qPrintable(href));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, characterPoint(view, position));
}

} // namespace testing
