#include "safefile.h"

#include "dbferror.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FaultHook& hook() {
    static FaultHook h;
    return h;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

[[noreturn]] void fail(const QString& what, const QString& path) {
    throw DbfError(QStringLiteral("Can't %1 \"%2\": %3.").arg(what, QDir::toNativeSeparators(path), systemError()));
}

void checkFault(const char* step, const QString& path) {
    if (hook() && hook()(step, path)) {
        errno = EIO;
        fail(QString::fromLatin1(step), path);
    }
}

void writeAt(int fd, qint64 offset, QByteArrayView bytes, const QString& path) {
    checkFault("write", path);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("write"), path);
        }
        done += n;
    }
}

} // namespace

void setFaultHook(FaultHook h) {
    hook() = std::move(h);
}

SafeFile::~SafeFile() {
    close();
}

void SafeFile::open(const QString& path, bool create) {
    close();
    name = path;
    const QByteArray p = QFile::encodeName(path);
    fd = ::open(p.constData(), O_RDWR | O_CLOEXEC | (create ? O_CREAT | O_EXCL : 0), 0644);
    if (fd < 0)
        fail(create ? QStringLiteral("create") : QStringLiteral("open"), path);
}

void SafeFile::lockExclusive() {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        const QString path = name;
        close();
        if (held)
            throw DbfError(QStringLiteral("The table \"%1\" is in use by another program or window.")
                               .arg(QDir::toNativeSeparators(path)));
        fail(QStringLiteral("lock"), path);
    }
}

void SafeFile::close() {
    if (fd >= 0)
        ::close(fd); // also releases the lock
    fd = -1;
}

qint64 SafeFile::size() const {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        fail(QStringLiteral("read"), name);
    return st.st_size;
}

QByteArray SafeFile::read(qint64 offset, qint64 length) const {
    QByteArray out(length, Qt::Uninitialized);
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, out.data() + done, size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(QStringLiteral("read"), name);
        if (n == 0)
            break;
        done += n;
    }
    out.truncate(done);
    return out;
}

QByteArray SafeFile::readAll() const {
    return read(0, size());
}

void SafeFile::write(qint64 offset, QByteArrayView bytes) {
    writeAt(fd, offset, bytes, name);
}

void SafeFile::truncate(qint64 length) {
    checkFault("write", name);
    if (::ftruncate(fd, off_t(length)) != 0)
        fail(QStringLiteral("write"), name);
}

void SafeFile::sync() {
    checkFault("sync", name);
    if (::fsync(fd) != 0)
        fail(QStringLiteral("write"), name);
}

void SafeFile::writeFile(const QString& path, QByteArrayView bytes, bool sync) {
    const QByteArray p = QFile::encodeName(path);
    const int f = ::open(p.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (f < 0)
        fail(QStringLiteral("create"), path);
    try {
        writeAt(f, 0, bytes, path);
        if (sync) {
            checkFault("sync", path);
            if (::fsync(f) != 0)
                fail(QStringLiteral("write"), path);
        }
    } catch (...) {
        ::close(f);
        throw;
    }
    ::close(f);
}

void SafeFile::rename(const QString& from, const QString& to) {
    checkFault("rename", to);
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        fail(QStringLiteral("replace"), to);
}

void SafeFile::syncFolderOf(const QString& path) {
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    const int f = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (f >= 0) {
        ::fsync(f);
        ::close(f);
    }
}
