#pragma once

#include <QByteArray>
#include <QString>

class Archive;

// The bytes of a picture that a page names: the four skin pictures come from the skin folder,
// every other name from the archive, lower-cased. A missing picture gives no bytes and no error.
QByteArray visorImageRequest(const QString& name, const QString& skinFolder, const Archive& archive,
                             const QString& archivePath);
