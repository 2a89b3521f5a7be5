#pragma once

#include <QString>

struct InstalledSet;
struct UninstallReport;
class QWidget;

// Asks whether to remove the installation; the box's tick for the journal and skins comes in and goes out
// through removeJournal. Returns true on Yes.
bool confirmUninstall(const InstalledSet& set, bool& removeJournal, QWidget* parent = nullptr);

// The text that tells what was removed, what was kept and what could not be removed.
QString reportText(const UninstallReport& report);

void showUninstallReport(const UninstallReport& report, QWidget* parent = nullptr);
void showUninstallError(const QString& message, QWidget* parent = nullptr);
