// libFuzzer target of the HTML normaliser: the first byte chooses underlined links, the rest is a page in UTF-8.
#include "htmlnormaliser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const QString page = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    (void)normaliseHtml(page, data[0] & 1);
    return 0;
}
