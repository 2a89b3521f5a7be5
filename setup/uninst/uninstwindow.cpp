#include "uninstwindow.h"

#include "listfile.h"
#include "uninstall.h"

#include <QCheckBox>
#include <QDir>
#include <QMessageBox>

namespace {

const QString boxTitle = QStringLiteral("Uninstall Velkora I Ching");

QString section(const QString& heading, const QStringList& paths) {
    return paths.isEmpty() ? QString()
                           : heading + QLatin1Char('\n') + paths.join(QLatin1Char('\n')) + QLatin1String("\n\n");
}

} // namespace

bool confirmUninstall(const InstalledSet& set, bool& removeJournal, QWidget* parent) {
    QMessageBox box(QMessageBox::Question, boxTitle,
                    QStringLiteral("Remove Velkora I Ching from %1 and its entries from the application menu?")
                        .arg(QDir::toNativeSeparators(set.folder)),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    auto* journal = new QCheckBox(QStringLiteral("Also remove the &journal of answers and the skins"), &box);
    journal->setChecked(removeJournal);
    box.setCheckBox(journal);
    const bool yes = box.exec() == QMessageBox::Yes;
    removeJournal = journal->isChecked();
    return yes;
}

QString reportText(const UninstallReport& report) {
    QString text = section(QStringLiteral("Removed:"), report.removed) +
                   section(QStringLiteral("Kept (your journal and skins):"), report.kept) +
                   section(QStringLiteral("Could not be removed:"), report.failed);
    if (report.removed.isEmpty() && report.failed.isEmpty())
        text.prepend(QStringLiteral("There was nothing left to remove.\n\n"));
    else if (report.failed.isEmpty())
        text.prepend(QStringLiteral("Velkora I Ching was removed from this computer.\n\n"));
    return text.trimmed();
}

void showUninstallReport(const UninstallReport& report, QWidget* parent) {
    QMessageBox box(report.failed.isEmpty() ? QMessageBox::Information : QMessageBox::Warning, boxTitle,
                    reportText(report), QMessageBox::Ok, parent);
    box.exec();
}

void showUninstallError(const QString& message, QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, boxTitle, message, QMessageBox::Ok, parent);
    box.exec();
}
