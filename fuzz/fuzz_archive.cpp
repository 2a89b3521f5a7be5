// libFuzzer target of the archive reader: the input is a data archive. Its directory is read, and every
// member is looked up and expanded.
#include "archive.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzing::inputFile(QStringLiteral("DATA1.HHZ"), data, size);
    Archive::clearCache(); // the file keeps its name and may keep its time stamp
    const Archive archive;
    try {
        for (const QString& name : archive.memberNames(path)) {
            QByteArray bytes;
            if (archive.contains(path, name))
                archive.expandToStream(path, bytes, name);
        }
    } catch (const ArchiveError&) {
        // A damaged archive is refused with a message: the expected outcome for most inputs.
    }
    return 0;
}
