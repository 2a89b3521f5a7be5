#include "oraclemessage.h"

#include "programstrings.h"

#include <QMessageBox>

namespace {

std::function<void(const QString&)>& errorBox() {
    static std::function<void(const QString&)> box;
    return box;
}

} // namespace

void oracleError(QWidget* parent, const QString& message) {
    if (errorBox())
        errorBox()(message);
    else
        QMessageBox::critical(parent, loadProgramString(1), message, QMessageBox::Ok);
}

void setOracleErrorBox(std::function<void(const QString&)> box) {
    errorBox() = std::move(box);
}
