#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzTargets.h"

// The libFuzzer entry of every target; the build names the target it runs.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    quillmark::fuzz::QUILLMARK_FUZZ_TARGET(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
