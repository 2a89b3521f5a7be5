// The commands of the bottom bar, the title strip and the window buttons.
#include "mainwindow.h"

#include "htmlview.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QTimer>

void TForm1::indbClick() {
    T640->stop();
    const bool show = indice->isHidden();
    indice->setVisible(show);
    oraculo->setVisible(show);
    ajustalineas();
}

void TForm1::muestraOrac() {
    // The oracle pane alone: shown when the index or nothing covered it, hidden otherwise.
    const bool show = oraculo->isHidden() || !indice->isHidden();
    indice->hide();
    oraculo->setVisible(show);
    ajustalineas();
    update();
}

void TForm1::printbClick() {
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() == QDialog::Accepted)
        visor->PrintRange(printer, 1, 9999);
}

void TForm1::helpbClick() {
    update();
    ajustaNboton();
    expandeMisc(QStringLiteral("help.htm"), true);
}

void TForm1::fondobClick() {
    expandeMisc(QStringLiteral("about.htm"), false);
}

void TForm1::minClick() {
    showMinimized();
}

void TForm1::maxClick() {
    if (isMaximized()) {
        showNormal();
        resize(640, 543);
    } else {
        showMaximized();
    }
    FormResize();
}

void TForm1::bcancelClick() {
    close();
}
