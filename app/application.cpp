#include "application.h"

#include "fatal.h"
#include "programstrings.h"

#include <QMessageBox>
#include <QStringList>
#include <exception>

namespace {

std::function<void(const QString&)>& errorBox() {
    static std::function<void(const QString&)> box;
    return box;
}

// The errors raised while startUp runs its step; null outside it.
QStringList* startUpErrors = nullptr;

} // namespace

bool QorinApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (startUpErrors)
            startUpErrors->append(QString::fromUtf8(e.what()));
        else
            showError(QString::fromUtf8(e.what()));
    }
    return false;
}

bool QorinApplication::startUp(const std::function<void()>& step) {
    QStringList errors;
    startUpErrors = &errors;
    try {
        step();
        // The first layout; other posted events (a close asked for at start) wait for the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    } catch (const std::exception& e) {
        errors.append(QString::fromUtf8(e.what()));
    }
    startUpErrors = nullptr;
    if (errors.isEmpty())
        return true;
    fatalError(errors.first());
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
