#include "application.h"

#include "programstrings.h"

#include <QMessageBox>
#include <exception>

namespace {

std::function<void(const QString&)>& errorBox() {
    static std::function<void(const QString&)> box;
    return box;
}

} // namespace

bool QorinApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showError(QString::fromUtf8(e.what()));
    }
    return false;
}

void QorinApplication::showError(const QString& message) {
    // Restores any hourglass left by the failed handler before the box asks for a click.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (errorBox())
        errorBox()(message);
    else
        QMessageBox::warning(QApplication::activeWindow(), loadProgramString(1), message);
}

void QorinApplication::setErrorBox(std::function<void(const QString&)> box) {
    errorBox() = std::move(box);
}
