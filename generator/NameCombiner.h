#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillmark::generator {

// Which forms the generator builds and with which extensions, in use order.
struct CombineOptions {
    bool prefixes = false;
    bool suffixes = false;
    bool hyphens = false;
    std::vector<std::string> extensions;
};

// A line of the appends file that holds a word: anything but an empty line
// or a single space. Other blank lines, two spaces say, are words.
bool IsAppendEntry(std::string_view line);

// Adds the names one append word gives to `out`, in this order: append+base,
// append-base, base+append, base-append, each with every extension. Spaces
// leave the combination before its extension is added; letters keep their case.
void CombineWord(std::string_view base, std::string_view append, const CombineOptions& options,
                 std::vector<std::string>& out);

}  // namespace quillmark::generator
