#pragma once

#include <QString>
#include <functional>

class QWidget;

// An information box with an OK button ("Not found").
void informationBox(QWidget* parent, const QString& text);

// A plain message box with an OK button, no icon.
void plainMessageBox(QWidget* parent, const QString& text);

// Replaces both boxes (tests record the texts); an empty hook restores the boxes.
void setMessageBoxHook(std::function<void(const QString& text)> hook);
