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

    // Runs a step of the start-up (the main window's first show) and the layout it asks for. An error raised
    // meanwhile, in the step or in an event handler, is no ordinary error: it ends the start-up as an error in
    // the window's creation does, through fatalError. False when there was one.
    static bool startUp(const std::function<void()>& step);
};
