#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

// One value of the settings key, with its registry type.
struct RegValue {
    // The registry's own type codes; Missing stands for "no such value".
    enum Type : int { Missing = -1, None = 0, String = 1, ExpandString = 2, Binary = 3, DWord = 4 };

    QString name;
    int type = Missing;
    QString text;            // String, ExpandString
    std::uint32_t dword = 0; // DWord
    QByteArray data;         // Binary and every other type
};

// The settings key: named values of the types String, DWord and Binary.
// Reading gives each value in the form its type decides; anything else reads as missing.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual RegValue value(const QString& name) const = 0;
    virtual void setString(const QString& name, const QString& text) = 0;
    virtual void setDWord(const QString& name, std::uint32_t number) = 0;
    virtual void setBinary(const QString& name, const QByteArray& bytes) = 0;
    // Makes the writes so far lasting; false when the store can't be written (nothing is said).
    virtual bool save() = 0;

    // Text of a String or ExpandString value, else empty.
    QString readText(const QString& name) const;
    // A DWord, or the little-endian integer of a Binary value's first four bytes, else 0.
    std::int32_t readInteger(const QString& name) const;
    bool readFlag(const QString& name) const { return readInteger(name) != 0; }
};

// The key kept as a text file in the registry export format:
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\Software\Velkora\Qorin]
//   "FontName"="Times New Roman"
//   "FontSize"=dword:0000000d
// The file is read once when the store is made; save() rewrites it whole through a temporary
// file, with the values in the order they were last written. Lines it can't read are left out.
class RegFileStore : public SettingsStore {
public:
    explicit RegFileStore(const QString& path);

    RegValue value(const QString& name) const override;
    void setString(const QString& name, const QString& text) override;
    void setDWord(const QString& name, std::uint32_t number) override;
    void setBinary(const QString& name, const QByteArray& bytes) override;
    bool save() override;

    QString path() const { return filePath; }
    const QList<RegValue>& values() const { return entries; }

    // The file's text for a list of values.
    static QByteArray format(const QList<RegValue>& values);
    // The values of the settings key in a file's bytes; unreadable lines are skipped.
    static QList<RegValue> parse(const QByteArray& bytes);

private:
    void put(RegValue value);

    QString filePath;
    QList<RegValue> entries;
};

// Where the settings file lives away from Windows: $QORIN_SETTINGS, else
// $XDG_CONFIG_HOME/Velkora/Qorin.reg (~/.config when XDG_CONFIG_HOME is unset).
QString settingsFilePath();

// The settings key of this machine: the registry on Windows (the machine's key, or the user's
// when the machine's can't be written), the settings file elsewhere or when QORIN_SETTINGS is set.
std::unique_ptr<SettingsStore> openSettingsStore();
