#include "cp850.h"

#include <QHash>
#include <array>
#include <iconv.h>
#include <stdexcept>

namespace {

// The 256 code points of CP850, asked once of iconv, and the reverse map.
struct Cp850Table {
    std::array<char16_t, 256> unicode{};
    QHash<char16_t, char> bytes;

    Cp850Table() {
        iconv_t cd = iconv_open("UTF-16LE", "CP850");
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("The CP850 code page is not available (iconv).");
        for (int b = 0; b < 256; ++b) {
            char in = static_cast<char>(b);
            char out[4] = {};
            char* inp = &in;
            char* outp = out;
            size_t inLeft = 1, outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1) || outLeft != 2) {
                unicode[b] = b < 0x80 ? char16_t(b) : u'?';
                continue;
            }
            unicode[b] = char16_t(static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8);
        }
        iconv_close(cd);
        for (int b = 255; b >= 0; --b)
            bytes.insert(unicode[b], static_cast<char>(b));
    }
};

const Cp850Table& table() {
    static const Cp850Table t;
    return t;
}

} // namespace

QByteArray toCp850(QStringView text) {
    const Cp850Table& t = table();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out.append(static_cast<char>(c));
            continue;
        }
        // A character beyond the 16-bit range is one "?", not two.
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        const auto found = t.bytes.constFind(c);
        out.append(found == t.bytes.cend() ? '?' : *found);
    }
    return out;
}

QString fromCp850(QByteArrayView bytes) {
    const Cp850Table& t = table();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        p[i] = QChar(t.unicode[static_cast<unsigned char>(bytes[i])]);
    return out;
}
