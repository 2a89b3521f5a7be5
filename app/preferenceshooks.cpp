// The Control Panel from the main window: applies the choices made with OK.
#include "mainwindow.h"

#include "htmlview.h"
#include "journalwindow.h"
#include "preferences.h"
#include "settings.h"
#include "skins.h"

void TForm1::fontbClick() {
    Tfpref dialog(visor->DefFontName, visor->DefFontSize, settings(), this);
    if (runModal(dialog) != QDialog::Accepted)
        return;
    applyPreferences(dialog, settings());
    applySkin(); // also when the skin stays
    // The page on show again, where the reader was, in the new font and with the skin's pictures.
    visor->clearImageCache();
    visor->SetDefaultFont(settings().fontName, settings().fontSize);
    if (journalWindow)
        journalWindow->close();
}
