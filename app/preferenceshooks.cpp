// The Control Panel from the main window: applies the choices made with OK.
#include "mainwindow.h"

#include "htmlview.h"
#include "journalwindow.h"
#include "preferences.h"
#include "settings.h"
#include "skins.h"

#include <QTextCursor>
#include <QTextDocument>

void TForm1::fontbClick() {
    Tfpref dialog(visor->DefFontName, visor->DefFontSize, settings(), this);
    if (runModal(dialog) != QDialog::Accepted)
        return;
    applyPreferences(dialog, settings());
    applySkin(); // also when the skin stays
    // The page on show again, in the new font and with the skin's pictures, with the text that was at the
    // top of the view still there: a pixel offset would point elsewhere in another font size.
    const QTextCursor before = visor->cursorForPosition(QPoint(0, 0));
    const int character = before.position(); // the cursor itself would follow the page's reloading
    const int offset = visor->cursorRect(before).top();
    visor->clearImageCache();
    visor->SetDefaultFont(settings().fontName, settings().fontSize);
    QTextCursor top(visor->document());
    top.setPosition(std::min(character, visor->document()->characterCount() - 1));
    visor->SetPosition(visor->GetPosition() + visor->cursorRect(top).top() - offset);
    if (journalWindow)
        journalWindow->close();
}
