#include "ProfileFiles.h"

#include <optional>
#include <system_error>

#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark::results {

namespace fs = std::filesystem;

namespace {

struct FileState {
    std::uintmax_t size = 0;
    fs::file_time_type modified{};
};

std::optional<FileState> stateOf(const fs::path& path) {
    std::error_code error;
    FileState state;
    state.size = fs::file_size(path, error);
    if (error) return std::nullopt;
    state.modified = fs::last_write_time(path, error);
    if (error) return std::nullopt;
    return state;
}

}  // namespace

std::string ProfileFileName(Verdict profile, std::string_view sessionStamp) {
    std::string name;
    switch (profile) {
        case Verdict::Low:
            name = files::kLowProfile;
            break;
        case Verdict::Mid:
            name = files::kHighProfile;
            break;
        case Verdict::High:
            name = files::kSuperHighProfile;
            break;
        case Verdict::Taken:
            break;
    }
    name += sessionStamp;
    name += files::kSessionFileEnd;
    return name;
}

void ProfileFiles::SaveProfileFiles(const ProgramFolder& folder, std::string_view sessionStamp,
                                    const ListBox& low, const ListBox& mid, const ListBox& high) {
    const auto pathOf = [&](Verdict profile) {
        return folder.root() / ProfileFileName(profile, sessionStamp);
    };
    save(written_[0], pathOf(Verdict::Low), low);
    save(written_[1], pathOf(Verdict::Mid), mid);
    save(written_[2], pathOf(Verdict::High), high);
}

void ProfileFiles::save(Written& known, const fs::path& path, const ListBox& list) {
    if (onlyAppendsSince(known, path, list)) {
        if (known.count == list.listCount()) return;
        const auto added = std::span(list.items()).subspan(static_cast<std::size_t>(known.count));
        if (AppendToFile(path, text::joinLines(added))) {
            remember(known, path, list);
            return;
        }
        // A failed append may have left part of a line: rewrite the whole file.
    }
    if (WriteFileReplacing(path, text::joinLines(list.items()))) {
        remember(known, path, list);
    } else {
        known = Written{};
    }
}

bool ProfileFiles::onlyAppendsSince(const Written& known, const fs::path& path, const ListBox& list) {
    if (known.path.empty() || known.path != path || known.list != &list) return false;
    if (known.revision != list.rewriteRevision() || known.count > list.listCount()) return false;
    // Anyone else's edit changes the size or, mostly, the time of the file.
    const auto state = stateOf(path);
    return state && state->size == known.size && state->modified == known.modified;
}

void ProfileFiles::remember(Written& known, const fs::path& path, const ListBox& list) {
    const auto state = stateOf(path);
    if (!state) {
        known = Written{};
        return;
    }
    known = Written{path, &list, list.rewriteRevision(), list.listCount(), state->size, state->modified};
}

}  // namespace quillmark::results
