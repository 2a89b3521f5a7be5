#pragma once

// Archives written byte by byte, so that tests can give them what no honest writer would: a wrong CRC, a declared
// size that the data doesn't have, a zip64 size of 2^62. Members are stored uncompressed.

#include "archive.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

namespace crafted {

struct Member {
    Member(QString memberName, QByteArray memberData) : name(std::move(memberName)), data(std::move(memberData)) {}
    QString name;
    QByteArray data;
    std::optional<std::uint32_t> crc;          // the CRC written; by default the data's own
    std::optional<std::uint64_t> declaredSize; // the expanded size written; by default the data's size
    bool zip64 = false;                        // sizes in a zip64 extra field
};

inline std::uint32_t crc32(const QByteArray& data) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= std::uint8_t(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

namespace detail {
inline void put(QByteArray& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}
} // namespace detail

// The bytes of a ZIP archive holding the members in order, with the program's key in its comment.
inline QByteArray zip(const QList<Member>& members, std::uint32_t key = kArchiveKey) {
    using detail::put;
    QByteArray out, directory;
    for (const Member& m : members) {
        const QByteArray name = m.name.toLatin1();
        const std::uint32_t crc = m.crc.value_or(crc32(m.data));
        const std::uint64_t size = m.declaredSize.value_or(std::uint64_t(m.data.size()));
        QByteArray extra;
        if (m.zip64) {
            put(extra, 0x0001, 2);
            put(extra, 16, 2);
            put(extra, size, 8);
            put(extra, std::uint64_t(m.data.size()), 8);
        }
        const std::uint32_t small = m.zip64 ? 0xFFFFFFFFu : std::uint32_t(size);
        const std::uint32_t stored = m.zip64 ? 0xFFFFFFFFu : std::uint32_t(m.data.size());
        const std::uint32_t offset = std::uint32_t(out.size());
        const int version = m.zip64 ? 45 : 20;

        put(out, 0x04034b50, 4);
        put(out, version, 2);
        put(out, 0, 2); // flags
        put(out, 0, 2); // stored
        put(out, 0, 4); // time and date
        put(out, crc, 4);
        put(out, stored, 4);
        put(out, small, 4);
        put(out, name.size(), 2);
        put(out, extra.size(), 2);
        out += name + extra + m.data;

        put(directory, 0x02014b50, 4);
        put(directory, 0x0300 | version, 2); // made on Unix
        put(directory, version, 2);
        put(directory, 0, 2);
        put(directory, 0, 2);
        put(directory, 0, 4);
        put(directory, crc, 4);
        put(directory, stored, 4);
        put(directory, small, 4);
        put(directory, name.size(), 2);
        put(directory, extra.size(), 2);
        put(directory, 0, 2); // comment
        put(directory, 0, 2); // disk
        put(directory, 0, 2); // internal attributes
        put(directory, 0, 4); // external attributes
        put(directory, offset, 4);
        directory += name + extra;
    }
    const QByteArray comment = "QORIN:" + QByteArray::number(key);
    const std::uint32_t directoryOffset = std::uint32_t(out.size());
    out += directory;
    put(out, 0x06054b50, 4);
    put(out, 0, 4); // disks
    put(out, members.size(), 2);
    put(out, members.size(), 2);
    put(out, directory.size(), 4);
    put(out, directoryOffset, 4);
    put(out, comment.size(), 2);
    return out + comment;
}

inline bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Every member of an archive, as the reader gives them.
inline QList<Member> membersOf(const QString& archive) {
    QList<Member> members;
    Archive reader;
    for (const QString& name : reader.memberNames(archive)) {
        QByteArray data;
        reader.expandToStream(archive, data, name);
        members.append({name, data});
    }
    return members;
}

// The ways a member can be damaged that the reader must refuse.
enum class Damage { FlippedByte, Declares4GiB, Zip64Declares2To62 };

inline Member damaged(Member m, Damage damage) {
    switch (damage) {
    case Damage::FlippedByte:
        m.crc = crc32(m.data);
        m.data[m.data.size() / 2] = char(m.data[m.data.size() / 2] ^ 0x20);
        break;
    case Damage::Declares4GiB:
        m.declaredSize = 0xFFFFFFFEu;
        break;
    case Damage::Zip64Declares2To62:
        m.declaredSize = std::uint64_t(1) << 62;
        m.zip64 = true;
        break;
    }
    return m;
}

} // namespace crafted
