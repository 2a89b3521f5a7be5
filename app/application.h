#pragma once

#include <QApplication>
#include <functional>

// The application: an exception that escapes an event handler is shown in an error box,
// and the program goes on with the state set before the error.
class QorinApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error's message the way the application's error box does.
    static void showError(const QString& message);

    // Replaces the error box (tests record the messages); an empty box restores the message box.
    static void setErrorBox(std::function<void(const QString&)> box);
};
