#pragma once

#include <QByteArray>
#include <QString>

// The OEM code page of the table files (CP850). Text inside the program is Unicode; it is
// converted only where it enters or leaves a table. A character that CP850 can't hold is stored as "?".
QByteArray toCp850(QStringView text);
QString fromCp850(QByteArrayView bytes);
