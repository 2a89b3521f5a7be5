#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <functional>
#include <memory>

class ImageCache;
class QPrinter;

// The HTML view: renders a composed page, reports clicks and hovers on links by their exact text, asks the program
// for every picture, finds, copies and prints. QTextBrowser never navigates on its own here.
class HtmlView : public QTextBrowser {
    Q_OBJECT

public:
    enum class Scrolling { None, Horizontal, Vertical, Both };
    enum class Border { None, Single, Focused };

    explicit HtmlView(QWidget* parent = nullptr);
    ~HtmlView() override;

    // Events, assigned by the window that owns the view.
    std::function<void(const QString& url, bool& handled)> OnHotSpotClick;
    std::function<void(const QString& url)> OnHotSpotCovered;     // empty when the pointer leaves a link
    std::function<QByteArray(const QString& src)> OnImageRequest; // the picture's bytes, empty when missing
    std::function<QImage(const QString& src)> OnBitmapRequest;    // used instead of OnImageRequest when set
    std::function<void(QPoint)> OnMouseMove;

    // Settings; applySettings() puts them into effect.
    QString DefFontName = QStringLiteral("Times New Roman");
    QString DefPreFontName = QStringLiteral("Courier New");
    int DefFontSize = 12;    // points
    int ImageCacheCount = 5; // a hint: the picture cache may hold more
    int HistoryMaxCount = 0; // the view keeps no history: it never follows a link to another document
    bool NoSelect = false;
    Scrolling ScrollBars = Scrolling::Both;
    Border BorderStyle = Border::Focused;
    QColor DefBackground; // invalid: the style's own
    bool ViewImages = true;
    double PrintMarginLeft = 2.0; // inches
    double PrintMarginRight = 2.0;
    double PrintMarginTop = 2.0;
    double PrintMarginBottom = 2.0;
    bool LinksReactOnHover = false; // the link under the pointer is underlined and shows a pointing hand
    bool LinksUnderlined = true;

    void applySettings();

    void LoadLines(const QStringList& lines);
    void LoadText(const QString& html);
    void ScrollToAnchor(const QString& anchor); // "#" + name
    int GetPosition() const;
    void SetPosition(int position);
    // Pages first..last (1, 9999: every page) through a printer the caller has set up; false when it can't start.
    bool PrintRange(QPrinter& printer, int first, int last);
    // A copy of the page on show that keeps its pictures, and several such copies printed in one job.
    std::unique_ptr<QTextDocument> PrintCopy();
    bool PrintCopies(QPrinter& printer, const QList<QTextDocument*>& copies, int first, int last);
    bool FindText(const QString& text, bool matchCase);
    void CopySelection();
    void SetDefaultFont(const QString& name, int size);
    int currentWidth() const { return width(); }

    // What a click on a link does: OnHotSpotClick first, then "#name" scrolls to the anchor unless handled.
    void hotSpotClick(const QString& url);
    // The selected text without object replacement characters.
    QString selectedPlainText() const;
    // Forgets every decoded picture (the pictures behind the same names have changed).
    void clearImageCache();

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    void render();
    void rerender(); // keeps the reading position
    void finishLayout();
    QImage picture(const QString& source);
    void setCovered(const QString& url, const QPoint& position);

    QString m_html;                    // the page as the program gave it
    QHash<QString, QString> m_sources; // picture source as the document asks for it -> as written
    std::unique_ptr<ImageCache> m_images;
    QString m_pressedAnchor;
    QString m_coveredAnchor;
    int m_pendingPosition = -1; // set while hidden, applied when shown
};
