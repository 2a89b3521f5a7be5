#include "settingsstore.h"

#include "programstrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <optional>

namespace {

const char kHeader[] = "Windows Registry Editor Version 5.00";

QString keyName() {
    return QStringLiteral("HKEY_LOCAL_MACHINE\\") + loadProgramString(208);
}

bool needsHexForm(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D)
            return true;
    }
    return false;
}

QByteArray utf16Bytes(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text + QChar(0)) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QString fromUtf16Bytes(const QByteArray& bytes) {
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(char16_t(quint8(bytes[i]) | quint8(bytes[i + 1]) << 8)));
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

QByteArray hexList(const QByteArray& bytes) {
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i)
            out.append(',');
        out.append(QByteArray::number(quint8(bytes[i]), 16).rightJustified(2, '0'));
    }
    return out;
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out + QLatin1Char('"');
}

// Reads a quoted string starting at text[pos] == '"'; pos ends after the closing quote.
bool readQuoted(const QString& text, qsizetype& pos, QString& out) {
    out.clear();
    for (++pos; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return true;
        }
        if (c == QLatin1Char('\\') && pos + 1 < text.size() &&
            (text[pos + 1] == QLatin1Char('\\') || text[pos + 1] == QLatin1Char('"')))
            ++pos;
        out += text[pos];
    }
    return false;
}

bool readHexBytes(QStringView list, QByteArray& out) {
    out.clear();
    if (list.trimmed().isEmpty())
        return true;
    for (QStringView token : list.split(QLatin1Char(','))) {
        token = token.trimmed();
        bool ok = false;
        const uint byte = token.toUInt(&ok, 16);
        if (!ok || token.size() > 2 || byte > 0xFF)
            return false;
        out.append(char(byte));
    }
    return true;
}

// The value that the text after "=" describes; type Missing when it can't be read.
RegValue readData(const QString& name, const QString& data) {
    RegValue v;
    v.name = name;
    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        if (readQuoted(data, pos, v.text) && data.mid(pos).trimmed().isEmpty())
            v.type = RegValue::String;
        return v;
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QStringView digits = QStringView(data).mid(6).trimmed();
        bool ok = false;
        v.dword = digits.toUInt(&ok, 16);
        if (ok && !digits.isEmpty() && digits.size() <= 8)
            v.type = RegValue::DWord;
        return v;
    }
    if (!data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive))
        return v;

    const qsizetype colon = data.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return v;
    const QStringView kind = QStringView(data).mid(3, colon - 3);
    int type = RegValue::Binary;
    if (!kind.isEmpty()) {
        if (kind.size() < 3 || !kind.startsWith(QLatin1Char('(')) || !kind.endsWith(QLatin1Char(')')))
            return v;
        bool ok = false;
        type = kind.mid(1, kind.size() - 2).toInt(&ok, 16);
        if (!ok || type < 0)
            return v;
    }
    QByteArray bytes;
    if (!readHexBytes(QStringView(data).mid(colon + 1), bytes))
        return v;

    switch (type) {
    case RegValue::String:
    case RegValue::ExpandString:
        v.text = fromUtf16Bytes(bytes);
        break;
    case RegValue::DWord:
        if (bytes.size() != 4)
            return v;
        v.dword =
            quint8(bytes[0]) | quint8(bytes[1]) << 8 | quint8(bytes[2]) << 16 | std::uint32_t(quint8(bytes[3])) << 24;
        break;
    default:
        v.data = bytes;
        break;
    }
    v.type = type;
    return v;
}

QString decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return QString::fromUtf8(bytes);
}

// The settings key in the registry itself, through QSettings. Used on Windows only.
class NativeRegistryStore : public SettingsStore {
public:
    NativeRegistryStore()
        : machine(keyName(), QSettings::NativeFormat),
          user(QStringLiteral("HKEY_CURRENT_USER\\") + loadProgramString(208), QSettings::NativeFormat) {}

    RegValue value(const QString& name) const override {
        RegValue v;
        v.name = name;
        const QVariant stored = source().value(name);
        switch (stored.typeId()) {
        case QMetaType::QString:
            v.type = RegValue::String;
            v.text = stored.toString();
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
            v.type = RegValue::DWord;
            v.dword = stored.toUInt();
            break;
        case QMetaType::QByteArray:
            v.type = RegValue::Binary;
            v.data = stored.toByteArray();
            break;
        default:
            break;
        }
        return v;
    }

    void setString(const QString& name, const QString& text) override { target().setValue(name, text); }
    void setDWord(const QString& name, std::uint32_t number) override { target().setValue(name, int(number)); }
    void setBinary(const QString& name, const QByteArray& bytes) override { target().setValue(name, bytes); }

    bool save() override {
        target().sync();
        return target().status() == QSettings::NoError;
    }

private:
    // The machine's key when it can be written, else the user's.
    QSettings& target() { return machine.isWritable() ? machine : user; }
    // Read where the last run wrote: the user's key once it holds values and the machine's can't be written.
    const QSettings& source() const { return machine.isWritable() || user.allKeys().isEmpty() ? machine : user; }

    QSettings machine;
    QSettings user;
};

} // namespace

QString SettingsStore::readText(const QString& name) const {
    const RegValue v = value(name);
    return v.type == RegValue::String || v.type == RegValue::ExpandString ? v.text : QString();
}

std::int32_t SettingsStore::readInteger(const QString& name) const {
    const RegValue v = value(name);
    if (v.type == RegValue::DWord)
        return std::int32_t(v.dword);
    if (v.type == RegValue::Binary) {
        std::uint32_t n = 0;
        for (qsizetype i = 0; i < 4 && i < v.data.size(); ++i)
            n |= std::uint32_t(quint8(v.data[i])) << (8 * i);
        return std::int32_t(n);
    }
    return 0;
}

RegFileStore::RegFileStore(const QString& path) : filePath(path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        entries = parse(file.readAll());
}

RegValue RegFileStore::value(const QString& name) const {
    for (const RegValue& v : entries)
        if (v.name.compare(name, Qt::CaseInsensitive) == 0)
            return v;
    RegValue missing;
    missing.name = name;
    return missing;
}

void RegFileStore::put(RegValue value) {
    // A value written again moves to the end, so the file keeps the order of the writes.
    entries.removeIf([&](const RegValue& v) { return v.name.compare(value.name, Qt::CaseInsensitive) == 0; });
    entries.append(std::move(value));
}

void RegFileStore::setString(const QString& name, const QString& text) {
    RegValue v;
    v.name = name;
    v.type = RegValue::String;
    v.text = text;
    put(v);
}

void RegFileStore::setDWord(const QString& name, std::uint32_t number) {
    RegValue v;
    v.name = name;
    v.type = RegValue::DWord;
    v.dword = number;
    put(v);
}

void RegFileStore::setBinary(const QString& name, const QByteArray& bytes) {
    RegValue v;
    v.name = name;
    v.type = RegValue::Binary;
    v.data = bytes;
    put(v);
}

bool RegFileStore::save() {
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        return false;
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(format(entries));
    return file.commit();
}

QByteArray RegFileStore::format(const QList<RegValue>& values) {
    QString out = QLatin1String(kHeader) + QLatin1String("\n\n[") + keyName() + QLatin1String("]\n");
    for (const RegValue& v : values) {
        out += quoted(v.name) + QLatin1Char('=');
        switch (v.type) {
        case RegValue::String:
            out += needsHexForm(v.text) ? QLatin1String("hex(1):") + QString::fromLatin1(hexList(utf16Bytes(v.text)))
                                        : quoted(v.text);
            break;
        case RegValue::ExpandString:
            out += QLatin1String("hex(2):") + QString::fromLatin1(hexList(utf16Bytes(v.text)));
            break;
        case RegValue::DWord:
            out += QStringLiteral("dword:%1").arg(v.dword, 8, 16, QLatin1Char('0'));
            break;
        case RegValue::Binary:
            out += QLatin1String("hex:") + QString::fromLatin1(hexList(v.data));
            break;
        default:
            out += QStringLiteral("hex(%1):").arg(v.type, 0, 16) + QString::fromLatin1(hexList(v.data));
            break;
        }
        out += QLatin1Char('\n');
    }
    return (out + QLatin1Char('\n')).toUtf8();
}

QList<RegValue> RegFileStore::parse(const QByteArray& bytes) {
    const QString key = keyName();
    // A value named again replaces the earlier one and moves to the end: the earlier one's place is
    // emptied and the list closed up once at the end, so the reading stays linear.
    QList<std::optional<RegValue>> places;
    QHash<QString, qsizetype> placeOf; // case-folded name -> its place
    bool inKey = false;
    const QStringList lines = decode(bytes).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inKey =
                line.endsWith(QLatin1Char(']')) && line.mid(1, line.size() - 2).compare(key, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inKey || !line.startsWith(QLatin1Char('"')))
            continue;

        QString name;
        qsizetype pos = 0;
        if (!readQuoted(line, pos, name) || pos >= line.size() || line[pos] != QLatin1Char('='))
            continue;
        QString data = line.mid(pos + 1).trimmed();
        // Long hex lists go on over several lines, each but the last ending in a backslash.
        if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
            while (data.endsWith(QLatin1Char('\\')) && i + 1 < lines.size()) {
                data.chop(1);
                data += lines[++i].trimmed();
            }
            if (data.endsWith(QLatin1Char('\\')))
                continue; // the list was cut off
        }
        RegValue v = readData(name, data);
        if (v.type == RegValue::Missing)
            continue;
        const QString folded = name.toCaseFolded();
        if (const auto earlier = placeOf.constFind(folded); earlier != placeOf.constEnd())
            places[*earlier].reset();
        placeOf.insert(folded, places.size());
        places.append(std::move(v));
    }
    QList<RegValue> values;
    for (std::optional<RegValue>& v : places)
        if (v)
            values.append(std::move(*v));
    return values;
}

QString settingsFilePath() {
    const QString forced = qEnvironmentVariable("QORIN_SETTINGS");
    if (!forced.isEmpty())
        return forced;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QLatin1String("/.config");
    return config + QLatin1String("/Velkora/Qorin.reg");
}

std::unique_ptr<SettingsStore> openSettingsStore() {
#ifdef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QORIN_SETTINGS"))
        return std::make_unique<NativeRegistryStore>();
#endif
    return std::make_unique<RegFileStore>(settingsFilePath());
}
