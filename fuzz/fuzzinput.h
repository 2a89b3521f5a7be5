#pragma once

// Readers that open files by name get each fuzz input as a file in a folder of this process's own.
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace fuzzing {

// /dev/shm/qorin-fuzz-<pid>/name holding the input's bytes.
inline QString inputFile(const QString& name, const uint8_t* data, size_t size) {
    static const QString folder = [] {
        const QString d = QStringLiteral("/dev/shm/qorin-fuzz-%1").arg(::getpid());
        QDir().mkpath(d);
        return d;
    }();
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace fuzzing
