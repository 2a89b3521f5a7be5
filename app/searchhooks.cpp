// The text search from the main window: the whole book (Find button, key F) and the page on show
// (popup menu).
#include "mainwindow.h"

#include "htmlview.h"
#include "programstrings.h"
#include "resources.h"
#include "searchdialog.h"

#include <QLineEdit>

namespace {

SearchTarget pageViewTarget(HtmlView* visor) {
    SearchTarget target;
    target.findText = [visor](const QString& text, bool matchCase) { return visor->FindText(text, matchCase); };
    target.toTop = [visor] {
        visor->SetPosition(0);
        visor->moveCursor(QTextCursor::Start); // finding starts at the top, not after an earlier match
    };
    return target;
}

} // namespace

void TForm1::findbClick() {
    TFbuscar dialog(this);
    searchInPage = false;
    dialog.setupBook(lastSearchText, currentPage);
    dialog.target = pageViewTarget(visor);
    dialog.target.openPage = [this](int page) { openFoundPage(page); };
    dialog.target.readPage = archivePageReader(Compre, archiveName());
    searchWindow = &dialog;
    runModal(dialog);
    lastSearchText = dialog.tfind->text();
}

void TForm1::Searchtext1Click() {
    TFbuscar dialog(this);
    searchInPage = true;
    dialog.setupPage();
    dialog.target = pageViewTarget(visor);
    searchWindow = &dialog;
    runModal(dialog);
}

void TForm1::openFoundPage(int page) {
    answer.readingPrimary = answerReadsPrimary(page);
    carga(page, true);
}
