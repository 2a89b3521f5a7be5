#include "fatal.h"

#include "programstrings.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace {

FatalHandler& handler() {
    static FatalHandler current;
    return current;
}

void showAndExit(const QString& message) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, loadProgramString(1), message, QMessageBox::Ok);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
    std::exit(1);
}

} // namespace

void setFatalHandler(FatalHandler newHandler) {
    handler() = std::move(newHandler);
}

void fatalError(const QString& message) {
    if (handler())
        handler()(message);
    else
        showAndExit(message);
}
