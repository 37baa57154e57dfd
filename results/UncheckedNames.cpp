#include "results/UncheckedNames.h"

#include <algorithm>

#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark::results {

namespace {

std::string line(std::string_view name, std::string_view reason) {
    return std::string(name) + '\t' + std::string(reason) + std::string(text::kCrLf);
}

}  // namespace

void UncheckedNames::Load(const ProgramFolder& folder) {
    file_ = folder.file(files::kUnchecked);
    names_.clear();
    reasons_.clear();
    changed_ = false;
    const auto bytes = ReadWholeFile(file_);
    if (!bytes) return;
    for (const auto entry : text::splitLines(*bytes)) {
        const std::string_view name = entry.substr(0, entry.find('\t'));
        if (name.empty() || reasons_.contains(std::string(name))) continue;
        const std::string_view reason = name.size() < entry.size() ? entry.substr(name.size() + 1) : "";
        names_.emplace_back(name);
        reasons_.emplace(name, reason);
    }
}

void UncheckedNames::Add(std::string_view name, std::string_view reason) {
    if (name.empty()) return;
    const auto known = reasons_.find(std::string(name));
    if (known != reasons_.end()) {
        changed_ = changed_ || known->second != reason;
        known->second = reason;
        return;
    }
    names_.emplace_back(name);
    reasons_.emplace(name, reason);
    // A failed append is made good by the next whole write.
    if (!AppendToFile(file_, line(name, reason))) changed_ = true;
}

void UncheckedNames::Remove(std::string_view name) {
    if (reasons_.erase(std::string(name)) == 0) return;
    names_.erase(std::find(names_.begin(), names_.end(), name));
    changed_ = true;
}

void UncheckedNames::Save() {
    if (!changed_ || file_.empty()) return;
    if (WriteFileReplacing(file_, fileText())) changed_ = false;
}

std::string_view UncheckedNames::reasonOf(const std::string& name) const {
    const auto found = reasons_.find(name);
    return found == reasons_.end() ? std::string_view() : std::string_view(found->second);
}

std::string UncheckedNames::fileText() const {
    std::string text;
    for (const auto& name : names_) text += line(name, reasons_.at(name));
    return text;
}

}  // namespace quillmark::results
