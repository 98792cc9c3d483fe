// Hex colours as stored: reading what was written gives it back.
#include "FuzzTarget.h"
#include "settings/HexColor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString hex = hexString(colorFromHex(QString::fromUtf8(fuzzBytes(data, size))));
    FUZZ_REQUIRE(hex.size() == 7 && hexString(colorFromHex(hex)) == hex);
    return 0;
}
