#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    quillmark::fuzz::FuzzLoadServers(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
