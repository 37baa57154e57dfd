#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// An index over a window's duplicate text (its accepted names, each followed
// by CR LF), so that testing a candidate against every earlier name costs
// about the same with ten names as with a hundred thousand.
namespace quillmark::harvest {

class DuplicateIndex {
public:
    // True when `what` occurs anywhere in `text`, ASCII case ignored, as a
    // plain byte search would say: an empty `what` is always there. `text` is
    // the duplicate text as it stands now; the index follows it, taking in
    // what was appended since the last call and starting over when the text
    // shrank or its known part changed.
    bool contains(std::string_view text, std::string_view what);

private:
    struct Line {
        std::size_t begin;
        std::size_t end;
    };

    void follow(std::string_view text);
    bool knownPartChanged(std::string_view text) const;
    void clear();
    void indexCompleteLines();
    void indexLine(std::size_t begin, std::size_t end);
    bool containsInLines(std::string_view lowered) const;

    std::string mirror_;       // the text in lower case
    std::vector<Line> lines_;  // complete lines of the mirror, line ends excluded
    std::size_t pending_ = 0;  // start of the part no line end has closed yet
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> linesOfGram_;
};

}  // namespace quillmark::harvest
