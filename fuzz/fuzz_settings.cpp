// libFuzzer target of the settings reader: the input is a settings file. It is read, loaded into the
// preferences, written out again and that text read once more.
#include "fuzzinput.h"
#include "settings.h"
#include "settingsstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const RegFileStore store(fuzzing::inputFile(QStringLiteral("Qorin.reg"), data, size));
    Settings loaded;
    cargaIni(store, loaded);
    (void)RegFileStore::parse(RegFileStore::format(store.values()));
    return 0;
}
