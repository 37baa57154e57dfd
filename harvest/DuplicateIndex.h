#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>

// An index over a window's names text (its accepted names, each followed by
// CR LF), so that testing a candidate against every earlier name costs about
// the same with ten names as with a hundred thousand.
namespace quillmark::harvest {

class DuplicateIndex {
public:
    // True when `name` is one of the complete lines of `text`, ASCII case
    // ignored. `text` is the names text as it stands now; the index follows
    // it, taking in what was appended since the last call and starting over
    // when the text shrank or its known part changed.
    bool contains(std::string_view text, std::string_view name);

private:
    void follow(std::string_view text);
    bool knownPartChanged(std::string_view text) const;

    std::unordered_set<std::string> lines_;  // in lower case
    std::size_t known_ = 0;                  // bytes of the text taken in: whole lines
    std::string head_, tail_;                // the known part's first and last bytes
};

}  // namespace quillmark::harvest
