#include "htmlview.h"

#include "htmlnormaliser.h"
#include "imagecache.h"
#include "printing.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

namespace {

QString withoutObjects(QString text) {
    return text.remove(QChar::ObjectReplacementCharacter);
}

// The run of characters around position that links to url, within its block.
QTextCursor linkExtent(QTextDocument* document, int position, const QString& url) {
    const QTextBlock block = document->findBlock(position);
    int start = -1;
    int end = -1;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const bool link = fragment.charFormat().anchorHref() == url;
        const int fragmentEnd = fragment.position() + fragment.length();
        if (link && start < 0)
            start = fragment.position();
        if (link)
            end = fragmentEnd;
        if (!link && start >= 0) {
            if (end >= position)
                break;
            start = end = -1;
        }
    }
    QTextCursor cursor(document);
    if (start >= 0) {
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
    }
    return cursor;
}

} // namespace

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent), m_images(std::make_unique<ImageCache>()) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    document()->setDocumentMargin(8);
    applySettings();
}

HtmlView::~HtmlView() = default;

void HtmlView::applySettings() {
    m_images->setCapacity(ImageCacheCount);

    // No keyboard selection: it would show a text caret, and the arrow keys scroll instead.
    setTextInteractionFlags(NoSelect ? Qt::LinksAccessibleByMouse
                                     : Qt::LinksAccessibleByMouse | Qt::TextSelectableByMouse);

    const bool vertical = ScrollBars == Scrolling::Vertical || ScrollBars == Scrolling::Both;
    const bool horizontal = ScrollBars == Scrolling::Horizontal || ScrollBars == Scrolling::Both;
    // A vertical bar that is always there spares the second layout a bar appearing would cause.
    setVerticalScrollBarPolicy(ScrollBars == Scrolling::Vertical ? Qt::ScrollBarAlwaysOn
                               : vertical                        ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);

    switch (BorderStyle) {
    case Border::None:
        setFrameStyle(QFrame::NoFrame);
        break;
    case Border::Single:
        setFrameStyle(QFrame::Box | QFrame::Plain);
        break;
    case Border::Focused:
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        break;
    }
    setFocusPolicy(BorderStyle == Border::None ? Qt::ClickFocus : Qt::StrongFocus);

    QPalette colours = palette();
    colours.setColor(QPalette::Base,
                     DefBackground.isValid() ? DefBackground : QGuiApplication::palette().color(QPalette::Base));
    setPalette(colours);

    rerender();
}

void HtmlView::rerender() {
    const int position = GetPosition();
    render();
    if (position > 0)
        SetPosition(position);
}

void HtmlView::render() {
    const NormalisedHtml page = normaliseHtml(m_html, LinksUnderlined);
    m_sources.clear();
    for (const QString& source : page.pictures)
        m_sources.insert(QUrl(source).toString(), source);

    QFont font(DefFontName);
    font.setPointSize(std::max(DefFontSize, 1));
    document()->setDefaultFont(font);
    document()->setDefaultStyleSheet(QStringLiteral("pre, tt, code { font-family: \"%1\"; }").arg(DefPreFontName));
    setExtraSelections({});
    m_coveredAnchor.clear();
    setHtml(page.html);
    m_pendingPosition = -1;
    finishLayout();
}

void HtmlView::finishLayout() {
    // The document lays itself out in timed steps; anchors and positions need the whole page now.
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    layout->pageCount();
    // The scroll range would follow only from the event loop.
    emit layout->documentSizeChanged(layout->documentSize());
}

void HtmlView::LoadLines(const QStringList& lines) {
    LoadText(lines.join(u'\n'));
}

void HtmlView::LoadText(const QString& html) {
    m_html = html;
    render();
}

void HtmlView::ScrollToAnchor(const QString& anchor) {
    finishLayout();
    scrollToAnchor(anchor.startsWith(u'#') ? anchor.mid(1) : anchor);
}

int HtmlView::GetPosition() const {
    return m_pendingPosition >= 0 ? m_pendingPosition : verticalScrollBar()->value();
}

void HtmlView::SetPosition(int position) {
    // A hidden view has not been laid out at its width yet: the position waits for the view to show.
    if (!isVisible()) {
        m_pendingPosition = position;
        return;
    }
    finishLayout();
    verticalScrollBar()->setValue(position);
}

void HtmlView::showEvent(QShowEvent* event) {
    QTextBrowser::showEvent(event);
    finishLayout();
    if (m_pendingPosition >= 0)
        verticalScrollBar()->setValue(std::exchange(m_pendingPosition, -1));
}

bool HtmlView::PrintRange(QPrinter& printer, int first, int last) {
    const std::unique_ptr<QTextDocument> copy = PrintCopy();
    return PrintCopies(printer, {copy.get()}, first, last);
}

std::unique_ptr<QTextDocument> HtmlView::PrintCopy() {
    return std::unique_ptr<QTextDocument>(document()->clone(this)); // pictures come from this view
}

bool HtmlView::PrintCopies(QPrinter& printer, const QList<QTextDocument*>& copies, int first, int last) {
    return printDocuments(copies, printer,
                          QMarginsF(PrintMarginLeft, PrintMarginTop, PrintMarginRight, PrintMarginBottom), first, last);
}

bool HtmlView::FindText(const QString& text, bool matchCase) {
    if (text.isEmpty())
        return false;
    return find(text, matchCase ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags());
}

void HtmlView::CopySelection() {
    const QString text = selectedPlainText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

QString HtmlView::selectedPlainText() const {
    return withoutObjects(textCursor().selection().toPlainText());
}

void HtmlView::SetDefaultFont(const QString& name, int size) {
    DefFontName = name;
    DefFontSize = size;
    rerender();
}

void HtmlView::hotSpotClick(const QString& url) {
    bool handled = false;
    if (OnHotSpotClick)
        OnHotSpotClick(url, handled);
    if (!handled && url.startsWith(u'#'))
        ScrollToAnchor(url);
}

void HtmlView::clearImageCache() {
    m_images->clear();
}

QVariant HtmlView::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource)
        return QByteArray(); // never read anything from disk or the network
    const QString asked = name.toString();
    return picture(m_sources.value(asked, QUrl::fromPercentEncoding(name.toEncoded())));
}

QImage HtmlView::picture(const QString& source) {
    if (!ViewImages)
        return missingPicture();
    if (const QImage* cached = m_images->find(source))
        return *cached;
    const bool transp = source.endsWith(kTranspMarker);
    const QString name = transp ? source.chopped(kTranspMarker.size()) : source;
    QImage image;
    if (OnBitmapRequest)
        image = OnBitmapRequest(name);
    else if (OnImageRequest)
        image = QImage::fromData(OnImageRequest(name));
    if (image.isNull())
        return missingPicture();
    if (transp)
        image = keyOutBottomLeft(image);
    m_images->insert(source, image);
    return image;
}

void HtmlView::mousePressEvent(QMouseEvent* event) {
    m_pressedAnchor = event->button() == Qt::LeftButton ? anchorAt(event->position().toPoint()) : QString();
    QTextBrowser::mousePressEvent(event);
}

void HtmlView::mouseReleaseEvent(QMouseEvent* event) {
    // The link text comes from the document as written: the base class would hand it over as a mangled QUrl.
    const QString anchor = event->button() == Qt::LeftButton ? anchorAt(event->position().toPoint()) : QString();
    const QString pressed = std::exchange(m_pressedAnchor, QString());
    QTextBrowser::mouseReleaseEvent(event);
    if (!anchor.isEmpty() && anchor == pressed)
        hotSpotClick(anchor);
}

void HtmlView::mouseMoveEvent(QMouseEvent* event) {
    QTextBrowser::mouseMoveEvent(event);
    const QPoint position = event->position().toPoint();
    setCovered(anchorAt(position), position);
    if (OnMouseMove)
        OnMouseMove(position);
}

void HtmlView::leaveEvent(QEvent* event) {
    setCovered(QString(), QPoint());
    QTextBrowser::leaveEvent(event);
}

void HtmlView::setCovered(const QString& url, const QPoint& position) {
    if (url == m_coveredAnchor)
        return;
    m_coveredAnchor = url;
    if (LinksReactOnHover) {
        QList<ExtraSelection> hover;
        if (!url.isEmpty()) {
            viewport()->setCursor(Qt::PointingHandCursor);
            ExtraSelection selection;
            selection.cursor = linkExtent(document(), cursorForPosition(position).position(), url);
            selection.format.setFontUnderline(true);
            hover.append(selection);
        }
        setExtraSelections(hover);
    }
    if (OnHotSpotCovered)
        OnHotSpotCovered(url);
}

QMimeData* HtmlView::createMimeDataFromSelection() const {
    QMimeData* data = QTextBrowser::createMimeDataFromSelection();
    if (data && data->hasText())
        data->setText(withoutObjects(data->text()));
    return data;
}
