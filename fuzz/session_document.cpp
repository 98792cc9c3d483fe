// The session document: a list read from it is written back unchanged.
#include "FuzzTarget.h"
#include "instances/SessionManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto list = SessionManager::parse(fuzzBytes(data, size));
    if (list)
        FUZZ_REQUIRE(SessionManager::parse(SessionManager::serialize(*list)) == list);
    return 0;
}
