#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;

// The journal's password dialog: one masked edit box, OK (Enter) and Cancel (Esc).
class TPasswordDlg : public QDialog {
    Q_OBJECT

public:
    explicit TPasswordDlg(QWidget* parent = nullptr);
    QLineEdit* Password = nullptr;
};

// Shows the dialog modally, centred on the screen, and destroys it: the typed text, or
// nothing when it was cancelled or closed. run shows it (QDialog::exec when empty).
std::optional<QString> askPassword(QWidget* parent = nullptr, const std::function<int(QDialog&)>& run = {});
