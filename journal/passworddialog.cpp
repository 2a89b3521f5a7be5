#include "passworddialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The edit box shows "*" for each character typed.
class StarStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Password Dialog"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter password:"), this));
    Password = new QLineEdit(this);
    Password->setObjectName(QStringLiteral("Password"));
    Password->setEchoMode(QLineEdit::Password);
    auto* style = new StarStyle;
    style->setParent(Password);
    Password->setStyle(style);
    layout->addWidget(Password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setFixedWidth(280);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->geometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    Password->setFocus();
}

std::optional<QString> askPassword(QWidget* parent, const std::function<int(QDialog&)>& run) {
    TPasswordDlg dialog(parent);
    if ((run ? run(dialog) : dialog.exec()) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Password->text();
}
