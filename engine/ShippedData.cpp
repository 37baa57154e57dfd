#include "ShippedData.h"

#include <system_error>

namespace quillmark {

namespace fs = std::filesystem;

namespace {

// A copy under a temporary name first, so an interrupted copy never leaves a
// truncated word list behind.
bool copyWhole(const fs::path& from, const fs::path& to) {
    fs::path partial = to;
    partial += ".copying";
    std::error_code error;
    fs::copy_file(from, partial, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(partial, to, error);
    if (!error) return true;
    std::error_code ignored;
    fs::remove(partial, ignored);
    return false;
}

}  // namespace

int InstallShippedData(const fs::path& shippedFolder, const ProgramFolder& folder) {
    int copied = 0;
    std::error_code error;
    fs::recursive_directory_iterator it(shippedFolder, error);
    if (error) return 0;
    for (const auto& entry : it) {
        if (!entry.is_regular_file(error)) continue;
        const fs::path relative = fs::relative(entry.path(), shippedFolder, error);
        if (error) continue;
        const fs::path target = folder.file(relative.generic_string());
        if (FileExists(target)) continue;
        fs::create_directories(target.parent_path(), error);
        if (copyWhole(entry.path(), target)) ++copied;
    }
    return copied;
}

}  // namespace quillmark
