#include "ProfileFiles.h"

#include <optional>
#include <system_error>

namespace quillmark::results {

namespace fs = std::filesystem;

namespace {

std::string linesFrom(const ListBox& list, int first) {
    std::string bytes;
    for (int i = first; i < list.listCount(); ++i) {
        bytes += list.list(i);
        bytes += "\r\n";
    }
    return bytes;
}

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
            name = "LowProfile";
            break;
        case Verdict::Mid:
            name = "HighProfile";
            break;
        case Verdict::High:
            name = "SuperHighProfile";
            break;
        case Verdict::Taken:
            break;
    }
    name += sessionStamp;
    name += ".txt";
    return name;
}

std::string ListFileBytes(const ListBox& list) {
    return linesFrom(list, 0);
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
        if (AppendToFile(path, linesFrom(list, known.count))) {
            remember(known, path, list);
            return;
        }
        // A failed append may have left part of a line: rewrite the whole file.
    }
    if (WriteFileReplacing(path, ListFileBytes(list))) {
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
