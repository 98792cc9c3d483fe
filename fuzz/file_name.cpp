// Settings keys to file names: always one valid name, and the key back from
// every name that is not a hash.
#include "FuzzTarget.h"
#include "platform/SettingsFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString key = QString::fromUtf8(fuzzBytes(data, size));
    const QString name = SettingsFiles::fileName(key);
    FUZZ_REQUIRE(!name.contains(u'/') && !name.contains(QChar(0)) && name != "." &&
                 name != ".." && name.toUtf8().size() <= 255);
    if (const auto back = SettingsFiles::keyFromFileName(name))
        FUZZ_REQUIRE(*back == key);
    return 0;
}
