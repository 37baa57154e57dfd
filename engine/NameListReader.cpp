#include "NameListReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <limits>
#include <optional>

namespace quillmark {

namespace {

// Enough of the file's first bytes and of the bytes before the indexed end to
// tell a list that was written over from one that only grew.
constexpr std::size_t kProbeBytes = 64;
// Indexing streams the file in pieces of this size, whatever the file's size.
constexpr std::size_t kIndexChunk = std::size_t{1} << 20;
// A name is read in pieces starting at this size until its line end shows.
constexpr std::size_t kFirstNameRead = 256;

// File times may be this coarse (two seconds on some file systems): a write
// within that time of the last one may leave the file time as it was.
constexpr std::int64_t kSettleNs = 2'000'000'000;

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Records the start of every non-empty line that ends inside `chunk`, which
// begins at byte `chunkStart` of the file. A CR LF pair counts as two ends
// with an empty line between them, which is skipped anyway, so a pair split
// between two chunks (or between two looks at a growing file) needs no care.
void collectNameStarts(std::string_view chunk, std::uint64_t chunkStart, std::uint64_t& lineStart,
                       std::vector<std::uint64_t>& starts) {
    for (std::size_t i = 0; i < chunk.size(); ++i) {
        if (!isLineEnd(chunk[i])) continue;
        const std::uint64_t end = chunkStart + i;
        if (end > lineStart) starts.push_back(lineStart);
        lineStart = end + 1;
    }
}

}  // namespace

// The list file, open for the length of one call.
class NameListReader::ListFile {
public:
    explicit ListFile(const std::filesystem::path& path) {
        if (path.empty()) return;
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info {};
        if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) return;
        size_ = static_cast<std::uint64_t>(info.st_size);
        modifiedNs_ = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
        readable_ = true;
    }
    ~ListFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    ListFile(const ListFile&) = delete;
    ListFile& operator=(const ListFile&) = delete;

    bool readable() const { return readable_; }
    std::uint64_t size() const { return size_; }
    std::int64_t modifiedNs() const { return modifiedNs_; }

    // Up to `count` bytes from `offset`, fewer at the end of the file;
    // nothing on a read error.
    std::optional<std::string> readAt(std::uint64_t offset, std::size_t count) const {
        std::string bytes(count, '\0');
        std::size_t done = 0;
        while (done < count) {
            const auto got =
                ::pread(fd_, bytes.data() + done, count - done, static_cast<off_t>(offset + done));
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return std::nullopt;
            if (got == 0) break;
            done += static_cast<std::size_t>(got);
        }
        bytes.resize(done);
        return bytes;
    }

private:
    int fd_ = -1;
    bool readable_ = false;
    std::uint64_t size_ = 0;
    std::int64_t modifiedNs_ = 0;
};

void NameListReader::setFile(std::filesystem::path path) {
    path_ = std::move(path);
    forget();
}

std::int32_t NameListReader::CountListEntries() {
    const ListFile list(path_);
    if (!refresh(list)) return 0;
    return static_cast<std::int32_t>(
        std::min<std::uint64_t>(nameCount(), std::numeric_limits<std::int32_t>::max()));
}

std::string NameListReader::ReadNameAt(std::int32_t n) {
    if (n < 1) return std::string(kEndOfList);
    const ListFile list(path_);
    if (!refresh(list)) return std::string(kEndOfList);
    const auto index = static_cast<std::uint64_t>(n) - 1;
    if (index >= nameCount()) return std::string(kEndOfList);

    // The name runs from its start to its line end, which lies before the next
    // name's start; the last name may have no line end before the known size.
    const std::uint64_t start = index < starts_.size() ? starts_[index] : indexedEnd_;
    const std::uint64_t limit = index + 1 < starts_.size() ? starts_[index + 1] : fingerprint_.size;
    std::string name;
    for (std::size_t want = kFirstNameRead; start + name.size() < limit; want *= 2) {
        const auto count =
            static_cast<std::size_t>(std::min<std::uint64_t>(want, limit - start - name.size()));
        const auto piece = list.readAt(start + name.size(), count);
        if (!piece || piece->empty()) break;  // the file changed under us: give what we have
        const auto end = std::find_if(piece->begin(), piece->end(), isLineEnd);
        name.append(piece->begin(), end);
        if (end != piece->end()) break;
    }
    return name;
}

std::uint64_t NameListReader::nameCount() const {
    // Bytes after the last line end are a name still waiting for its line end.
    return starts_.size() + (fingerprint_.size > indexedEnd_ ? 1 : 0);
}

void NameListReader::forget() {
    starts_.clear();
    starts_.shrink_to_fit();
    indexedEnd_ = 0;
    fingerprint_ = Fingerprint{};
}

// Brings the index up to the file as it is now: extends it when the file only
// grew, builds it again when the file was written over.
bool NameListReader::refresh(const ListFile& list) {
    if (!list.readable()) {
        forget();
        return false;
    }
    if (unchangedSinceSettled(list)) return true;
    if (!onlyAppended(list)) forget();
    const bool changed = list.size() != fingerprint_.size || list.modifiedNs() != fingerprint_.modifiedNs;
    if (changed && !indexUpTo(list, list.size())) {
        forget();
        return false;
    }
    fingerprint_.settled = fingerprint_.modifiedNs < nowNs() - kSettleNs;
    return true;
}

bool NameListReader::unchangedSinceSettled(const ListFile& list) const {
    return fingerprint_.settled && list.size() == fingerprint_.size &&
           list.modifiedNs() == fingerprint_.modifiedNs;
}

bool NameListReader::onlyAppended(const ListFile& list) const {
    const Fingerprint& known = fingerprint_;
    if (list.size() < known.size) return false;
    // The same size with a new time means the file was written over in place.
    if (list.size() == known.size && list.modifiedNs() != known.modifiedNs) return false;
    return list.readAt(0, known.head.size()) == known.head &&
           list.readAt(known.size - known.beforeEnd.size(), known.beforeEnd.size()) == known.beforeEnd;
}

bool NameListReader::indexUpTo(const ListFile& list, std::uint64_t size) {
    // A name without its line end may have been half written: scan it again.
    std::uint64_t lineStart = indexedEnd_;
    std::uint64_t offset = indexedEnd_;
    while (offset < size) {
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(kIndexChunk, size - offset));
        const auto chunk = list.readAt(offset, count);
        if (!chunk) return false;
        if (chunk->empty()) break;  // shrank while we read: index what is there
        collectNameStarts(*chunk, offset, lineStart, starts_);
        offset += chunk->size();
    }
    indexedEnd_ = lineStart;
    if (!takeFingerprint(list, offset)) return false;
    fingerprint_.modifiedNs = list.modifiedNs();
    return true;
}

bool NameListReader::takeFingerprint(const ListFile& list, std::uint64_t size) {
    const auto probe = static_cast<std::size_t>(std::min<std::uint64_t>(kProbeBytes, size));
    auto head = list.readAt(0, probe);
    auto beforeEnd = list.readAt(size - probe, probe);
    if (!head || !beforeEnd) return false;
    fingerprint_.size = size;
    fingerprint_.head = std::move(*head);
    fingerprint_.beforeEnd = std::move(*beforeEnd);
    return true;
}

}  // namespace quillmark
