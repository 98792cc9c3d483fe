// A settings file as a person may have edited it: whatever decodes writes
// back to bytes that decode to the same settings.
#include "FuzzTarget.h"
#include "settings/BannerSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto settings = BannerSettings::fromJsonBytes(fuzzBytes(data, size));
    if (!settings)
        return 0;
    const auto bytes = settings->toJsonBytes();
    if (!bytes) // NaN has no JSON form
        return 0;
    const auto again = BannerSettings::fromJsonBytes(*bytes);
    FUZZ_REQUIRE(again && again->toJsonBytes() == bytes);
    return 0;
}
