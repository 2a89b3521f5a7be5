#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Plain file access for the table files: every write is checked, and a failed one raises
// DbfError naming the file. Writes are synced to disk before a caller relies on them.
class SafeFile {
public:
    SafeFile() = default;
    ~SafeFile();
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    // Opens an existing file (create: or makes it) for reading and writing.
    void open(const QString& path, bool create);
    // Takes an exclusive lock on the open file; another holder, in this process or another, refuses it.
    void lockExclusive();
    void close();
    bool isOpen() const { return fd >= 0; }
    const QString& path() const { return name; }

    qint64 size() const;
    QByteArray readAll() const;
    QByteArray read(qint64 offset, qint64 length) const;
    void write(qint64 offset, QByteArrayView bytes);
    void truncate(qint64 length);
    void sync();

    // Writes a whole new file and syncs it unless told not to (files rebuilt at every opening).
    static void writeFile(const QString& path, QByteArrayView bytes, bool sync = true);
    static void rename(const QString& from, const QString& to);
    static void syncFolderOf(const QString& path);

private:
    int fd = -1;
    QString name;
};

// Tests make a write or a rename fail at a chosen moment: the hook is asked before each
// step with a short description and the path, and a true answer makes that step fail.
using FaultHook = std::function<bool(const char* step, const QString& path)>;
void setFaultHook(FaultHook hook);
