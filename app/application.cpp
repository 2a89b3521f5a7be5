#include "application.h"

#include "programstrings.h"

#include <QMessageBox>
#include <exception>

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
    QMessageBox::warning(QApplication::activeWindow(), loadProgramString(1), message);
}
