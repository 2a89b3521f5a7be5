#include "programdir.h"

#include <QCoreApplication>

namespace {

QString& storedDir() {
    static QString dir;
    return dir;
}

QString withSlash(QString folder) {
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

QString programDir() {
    if (storedDir().isEmpty() && QCoreApplication::instance())
        return withSlash(QCoreApplication::applicationDirPath());
    return storedDir();
}

void setProgramDir(const QString& folder) {
    storedDir() = folder.isEmpty() ? QString() : withSlash(folder);
}
