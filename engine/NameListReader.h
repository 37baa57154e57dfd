#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// What the list reader gives for a position past the last name.
inline constexpr std::string_view kEndOfList = "endoffileffile";

// Reads the names of a list file: every non-empty line is one name, taken
// unchanged; lines end at CR LF, LF or a lone CR.
//
// Each call answers as if the file were read from its start, so names that
// the generator or the search builder append during a run are seen, and a
// list rewritten under the reader is read afresh. To keep the cost of a call
// constant, the reader keeps the byte offsets of the names and only reads
// what was appended since its last look; the file is not held open between
// calls.
class NameListReader {
public:
    // Makes `path` the list and forgets what was known of the previous one.
    void setFile(std::filesystem::path path);
    const std::filesystem::path& file() const { return path_; }

    // Number of names; 0 when the file cannot be read.
    std::int32_t CountListEntries();
    // The n-th name (1-based), or kEndOfList when there is none (n < 1 too).
    std::string ReadNameAt(std::int32_t n);

private:
    class ListFile;

    // What the index was built from, to tell an append from a rewrite.
    struct Fingerprint {
        std::uint64_t size = 0;
        std::int64_t modifiedNs = 0;
        std::string head;       // the first bytes of the file
        std::string beforeEnd;  // the bytes just before `size`
        // The file time was already old when checked, so any later write
        // moves it: size and time alone then tell whether the file changed.
        bool settled = false;
    };

    bool refresh(const ListFile& list);
    bool unchangedSinceSettled(const ListFile& list) const;
    bool onlyAppended(const ListFile& list) const;
    bool indexUpTo(const ListFile& list, std::uint64_t size);
    bool takeFingerprint(const ListFile& list, std::uint64_t size);
    void forget();
    std::uint64_t nameCount() const;

    std::filesystem::path path_;
    // Start of each name whose line end has been seen.
    std::vector<std::uint64_t> starts_;
    // Just past the last line end seen; a name without its line end may
    // follow it up to fingerprint_.size and is read again when the file grows.
    std::uint64_t indexedEnd_ = 0;
    bool indexed_ = false;
    Fingerprint fingerprint_;
};

}  // namespace quillmark
