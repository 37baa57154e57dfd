#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Files.h"

namespace quillmark::results {

// The names no server gave a verdict on, with the reason, kept in
// "Unchecked.txt" (name <tab> reason, one per line) until a later lookup
// finds them free or taken.
class UncheckedNames {
public:
    // Reads the file as it stands; a missing file is an empty list.
    void Load(const ProgramFolder& folder);
    // A new name is appended to the file at once; a known one gets its new
    // reason when the file is next written.
    void Add(std::string_view name, std::string_view reason);
    // A name that now has a verdict leaves the list.
    void Remove(std::string_view name);
    // Writes the file when names left it or changed their reason. Kept apart
    // from Remove: a run over this very file reads it by position.
    void Save();

    std::size_t count() const { return names_.size(); }
    const std::vector<std::string>& names() const { return names_; }
    // Empty for a name that is not in the list.
    std::string_view reasonOf(const std::string& name) const;

private:
    std::string fileText() const;

    std::filesystem::path file_;
    std::vector<std::string> names_;  // in the order they were found
    std::unordered_map<std::string, std::string> reasons_;
    bool changed_ = false;
};

}  // namespace quillmark::results
