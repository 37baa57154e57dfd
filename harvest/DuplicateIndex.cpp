#include "harvest/DuplicateIndex.h"

#include <algorithm>
#include <cstring>

#include "platform/Text.h"

namespace quillmark::harvest {
namespace {

// Grams of four bytes: short enough that every name has several, long enough
// that few names share the rarest one.
constexpr std::size_t kGram = 4;

// How much of the known text is compared on each call to notice a text that
// was replaced rather than appended to.
constexpr std::size_t kProbe = 32;

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::uint32_t gramAt(std::string_view text, std::size_t at) {
    std::uint32_t gram = 0;
    std::memcpy(&gram, text.data() + at, kGram);
    return gram;
}

bool plainContains(std::string_view text, std::string_view what) {
    return ::memmem(text.data(), text.size(), what.data(), what.size()) != nullptr;
}

}  // namespace

bool DuplicateIndex::contains(std::string_view text, std::string_view what) {
    follow(text);
    const std::string lowered = text::toLower(what);
    // Only a query without line ends stays inside one line; anything else is
    // searched the slow way so the answer never changes.
    if (lowered.size() < kGram || std::any_of(lowered.begin(), lowered.end(), isLineEnd)) {
        return plainContains(mirror_, lowered);
    }
    return containsInLines(lowered) || plainContains(std::string_view(mirror_).substr(pending_), lowered);
}

void DuplicateIndex::follow(std::string_view text) {
    if (knownPartChanged(text)) clear();
    mirror_.append(text::toLower(text.substr(mirror_.size())));
    indexCompleteLines();
}

bool DuplicateIndex::knownPartChanged(std::string_view text) const {
    const std::size_t known = mirror_.size();
    if (text.size() < known) return true;
    const std::size_t probe = std::min(known, kProbe);
    const std::string_view mirror(mirror_);
    return text::toLower(text.substr(0, probe)) != mirror.substr(0, probe) ||
           text::toLower(text.substr(known - probe, probe)) != mirror.substr(known - probe);
}

void DuplicateIndex::clear() {
    mirror_.clear();
    lines_.clear();
    pending_ = 0;
    linesOfGram_.clear();
}

void DuplicateIndex::indexCompleteLines() {
    std::size_t begin = pending_;
    for (std::size_t at = pending_; at < mirror_.size(); ++at) {
        if (!isLineEnd(mirror_[at])) continue;
        if (at > begin) indexLine(begin, at);
        begin = at + 1;
    }
    pending_ = begin;
}

void DuplicateIndex::indexLine(std::size_t begin, std::size_t end) {
    const auto id = static_cast<std::uint32_t>(lines_.size());
    lines_.push_back({begin, end});
    for (std::size_t at = begin; at + kGram <= end; ++at) {
        auto& ids = linesOfGram_[gramAt(mirror_, at)];
        if (ids.empty() || ids.back() != id) ids.push_back(id);
    }
}

// Only the lines holding the query's rarest gram can hold the query.
bool DuplicateIndex::containsInLines(std::string_view lowered) const {
    const std::vector<std::uint32_t>* rarest = nullptr;
    for (std::size_t at = 0; at + kGram <= lowered.size(); ++at) {
        const auto found = linesOfGram_.find(gramAt(lowered, at));
        if (found == linesOfGram_.end()) return false;
        if (!rarest || found->second.size() < rarest->size()) rarest = &found->second;
    }
    const std::string_view mirror(mirror_);
    return std::any_of(rarest->begin(), rarest->end(), [&](std::uint32_t id) {
        const Line& line = lines_[id];
        return mirror.substr(line.begin, line.end - line.begin).find(lowered) != std::string_view::npos;
    });
}

}  // namespace quillmark::harvest
