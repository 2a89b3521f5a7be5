#pragma once

#include <QString>
#include <functional>

class QWidget;

// The oracle forms' error box (message 99). Tests replace it to record the messages; an empty box
// restores the message box.
void oracleError(QWidget* parent, const QString& message);
void setOracleErrorBox(std::function<void(const QString&)> box);
