#include "startup.h"

#include "programdir.h"
#include "resources.h"

#include <QDir>
#include <QFileInfo>

bool enterProgramFolder(const QString& folder) {
    if (!QDir::setCurrent(folder))
        return false;
    setProgramDir(QDir(folder).absolutePath() + QLatin1Char('/'));
    return true;
}

bool archivePresent() {
    return QFileInfo(archiveName()).isFile();
}
