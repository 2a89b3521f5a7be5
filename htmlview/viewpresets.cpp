#include "viewpresets.h"

#include "htmlview.h"

namespace {

void setPrintMargins(HtmlView& view, double left, double right, double top, double bottom) {
    view.PrintMarginLeft = left;
    view.PrintMarginRight = right;
    view.PrintMarginTop = top;
    view.PrintMarginBottom = bottom;
}

} // namespace

void configureMainView(HtmlView& view) {
    view.DefFontName = QStringLiteral("Times New Roman"); // the font settings replace it later
    view.DefPreFontName = QStringLiteral("Courier New");
    view.DefFontSize = 13;
    view.ImageCacheCount = 5;
    view.HistoryMaxCount = 0;
    view.NoSelect = false;
    view.ScrollBars = HtmlView::Scrolling::Vertical;
    view.BorderStyle = HtmlView::Border::Focused;
    setPrintMargins(view, 1.0, 1.0, 1.0, 2.0);
    view.LinksReactOnHover = true;
    view.LinksUnderlined = false;
    view.applySettings();
}

void configureAnalysisView(HtmlView& view, const HtmlView& mainView) {
    view.DefFontName = mainView.DefFontName;
    view.DefPreFontName = QStringLiteral("Courier New");
    view.DefFontSize = mainView.DefFontSize;
    view.HistoryMaxCount = 0;
    view.NoSelect = true;
    view.BorderStyle = HtmlView::Border::Focused;
    view.ViewImages = true;
    setPrintMargins(view, 2.0, 2.0, 2.0, 2.0);
    view.applySettings();
}

void configureTipsView(HtmlView& view) {
    view.DefFontName = QStringLiteral("Times New Roman");
    view.DefPreFontName = QStringLiteral("Courier New");
    view.ImageCacheCount = 0;
    view.HistoryMaxCount = 0;
    view.NoSelect = true;
    view.ScrollBars = HtmlView::Scrolling::None;
    view.BorderStyle = HtmlView::Border::None;
    view.DefBackground = Qt::white;
    view.ViewImages = true;
    setPrintMargins(view, 2.0, 2.0, 2.0, 2.0);
    view.applySettings();
}
