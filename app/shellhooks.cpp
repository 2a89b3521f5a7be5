// The main window's side of the shell dialogs: their buttons, the tips timer and modal showing.
#include "mainwindow.h"

#include "tipsdialog.h"

#include <QAction>
#include <QDialog>
#include <QTimer>
#include <QToolButton>

void TForm1::wireShellDialogs() {
    connect(findb, &QToolButton::clicked, this, &TForm1::findbClick);
    connect(Searchtext1, &QAction::triggered, this, &TForm1::Searchtext1Click);
    connect(fontb, &QToolButton::clicked, this, &TForm1::fontbClick);
    ttips = new QTimer(this);
    ttips->setInterval(300);
    connect(ttips, &QTimer::timeout, this, &TForm1::ttipsTimer);
}

int TForm1::runModal(QDialog& dialog) {
    return options.runDialog ? options.runDialog(dialog) : dialog.exec();
}

void TForm1::ttipsTimer() {
    ttips->stop(); // the tips open once
    Tftips dialog(this, std::random_device{}(), options.openUrl);
    runModal(dialog);
}
