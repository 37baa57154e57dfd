#include "generator/NameCombiner.h"

#include <algorithm>

namespace quillmark::generator {

namespace {

void emit(std::string combination, const CombineOptions& options, std::vector<std::string>& out) {
    std::erase(combination, ' ');
    for (const std::string& extension : options.extensions) out.push_back(combination + extension);
}

std::string joined(std::string_view first, std::string_view separator, std::string_view second) {
    std::string text;
    text.reserve(first.size() + separator.size() + second.size());
    return text.append(first).append(separator).append(second);
}

}  // namespace

bool IsAppendEntry(std::string_view line) {
    return !line.empty() && line != " ";
}

void CombineWord(std::string_view base, std::string_view append, const CombineOptions& options,
                 std::vector<std::string>& out) {
    if (options.prefixes) {
        emit(joined(append, "", base), options, out);
        if (options.hyphens) emit(joined(append, "-", base), options, out);
    }
    if (options.suffixes) {
        emit(joined(base, "", append), options, out);
        if (options.hyphens) emit(joined(base, "-", append), options, out);
    }
}

}  // namespace quillmark::generator
