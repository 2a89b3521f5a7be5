#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

std::function<void(const QString&)>& hook() {
    static std::function<void(const QString&)> installed;
    return installed;
}

void show(QWidget* parent, const QString& text, QMessageBox::Icon icon) {
    if (hook()) {
        hook()(text);
        return;
    }
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, QApplication::applicationDisplayName(), shown, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void informationBox(QWidget* parent, const QString& text) {
    show(parent, text, QMessageBox::Information);
}

void plainMessageBox(QWidget* parent, const QString& text) {
    show(parent, text, QMessageBox::NoIcon);
}

void setMessageBoxHook(std::function<void(const QString&)> hook_) {
    hook() = std::move(hook_);
}
