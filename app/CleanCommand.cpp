#include <iostream>
#include <string>
#include <string_view>

#include "app/Commands.h"
#include "engine/NameCleaning.h"

namespace quillmark::app {

namespace {

// A control character as \xHH, so one name stays one line.
std::string Escaped(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
        } else {
            shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        }
    }
    return shown;
}

}  // namespace

// Names that start with a hyphen follow "--".
int RunClean(const app::CommandLine& line) {
    for (const auto& text : line.arguments) {
        std::cout << Escaped(names::NameToLookUp(text)) << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace quillmark::app
