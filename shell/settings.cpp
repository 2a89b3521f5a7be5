#include "settings.h"

#include "codepage.h"
#include "programstrings.h"
#include "settingsstore.h"

#include <QDir>
#include <cstdint>

namespace {

// Both directions replay the same sequence from this seed for every text.
constexpr std::uint32_t kScrambleSeed = 0x5D3A17C4u;

// Linear congruential generator: advance the state, then scale it below n.
class ScrambleRandom {
public:
    int below(int n) {
        state = state * 134775813u + 1u;
        return int((std::uint64_t(state) * std::uint64_t(n)) >> 32);
    }

private:
    std::uint32_t state = kScrambleSeed;
};

QString shift(const QString& text, int direction) {
    QByteArray codes = toCp1252(text);
    ScrambleRandom random;
    for (char& byte : codes) {
        const int k = random.below(99);
        int v = quint8(byte) + direction * k;
        // The wrap is modulo 255, so code 0 never appears.
        if (v > 255)
            v -= 255;
        else if (v < 1)
            v += 255;
        byte = char(v);
    }
    return fromCp1252(codes);
}

QString trimmedRight(QString text) {
    while (!text.isEmpty() && text.back().unicode() <= 32)
        text.chop(1);
    return text;
}

} // namespace

Settings& settings() {
    static Settings values;
    return values;
}

QString scramble(const QString& text) {
    return shift(text, +1);
}

QString unscramble(const QString& text) {
    return shift(text, -1);
}

void cargaIni(const SettingsStore& store, Settings& values) {
    values = Settings();
    const QString fontName = store.readText(loadProgramString(200));
    if (!fontName.isEmpty()) {
        values.fontName = fontName;
        values.fontSize = store.readInteger(loadProgramString(206));
        values.password = unscramble(store.readText(loadProgramString(201)));
        values.viewAuto = store.readFlag(loadProgramString(202));
        values.playSound = store.readFlag(loadProgramString(205));
        values.tips = store.readFlag(QStringLiteral("Tips"));
        values.stDelay = store.readInteger(loadProgramString(214));
        values.cDelay = store.readInteger(loadProgramString(215));
        values.skinDir = trimmedRight(store.readText(QStringLiteral("SkinDir")));
        if (values.skinDir.isEmpty())
            values.skinDir = QStringLiteral("standard\\");
    }
    // A hand-edited size the page can't be read at goes back to the default.
    if (values.fontSize < kSmallestFontSize || values.fontSize > kLargestFontSize)
        values.fontSize = Settings().fontSize;
    // So does a delay outside 1..999: a huge one would freeze the oracle forms, a negative one stop them.
    if (values.stDelay < kShortestDelay || values.stDelay > kLongestDelay)
        values.stDelay = 40;
    if (values.cDelay < kShortestDelay || values.cDelay > kLongestDelay)
        values.cDelay = 60;
}

void grabaIni(SettingsStore& store, const Settings& values, const QString& programDir) {
    QString path = QDir::toNativeSeparators(programDir);
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    store.setString(QStringLiteral("Path"), path);
    store.setString(loadProgramString(200), values.fontName);
    store.setDWord(loadProgramString(206), std::uint32_t(values.fontSize));
    store.setString(loadProgramString(201), scramble(values.password));
    store.setDWord(loadProgramString(202), values.viewAuto);
    store.setDWord(loadProgramString(205), values.playSound);
    store.setDWord(QStringLiteral("Tips"), values.tips);
    store.setDWord(loadProgramString(214), std::uint32_t(values.stDelay));
    store.setDWord(loadProgramString(215), std::uint32_t(values.cDelay));
    store.setString(QStringLiteral("SkinDir"), values.skinDir);
    store.save();
}
