#include "harvest/DuplicateIndex.h"

#include <algorithm>

#include "platform/Text.h"

namespace quillmark::harvest {
namespace {

// How much of the known text is compared on each call to notice a text that
// was replaced rather than appended to.
constexpr std::size_t kProbe = 32;

}  // namespace

bool DuplicateIndex::contains(std::string_view text, std::string_view name) {
    follow(text);
    return lines_.contains(text::toLower(name));
}

void DuplicateIndex::follow(std::string_view text) {
    if (knownPartChanged(text)) {
        lines_.clear();
        known_ = 0;
    }
    const std::size_t end = text.find_last_of("\r\n");
    if (end == std::string_view::npos || end + 1 <= known_) return;
    for (const std::string_view line : text::splitLines(text.substr(known_, end + 1 - known_))) {
        if (!line.empty()) lines_.insert(text::toLower(line));
    }
    known_ = end + 1;
    head_ = text.substr(0, std::min(known_, kProbe));
    tail_ = text.substr(known_ - std::min(known_, kProbe), std::min(known_, kProbe));
}

bool DuplicateIndex::knownPartChanged(std::string_view text) const {
    const std::size_t probe = std::min(known_, kProbe);
    return text.size() < known_ || text.substr(0, probe) != head_ ||
           text.substr(known_ - probe, probe) != tail_;
}

}  // namespace quillmark::harvest
