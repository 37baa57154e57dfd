#include "ShippedData.h"

#include <system_error>

namespace quillmark {

namespace fs = std::filesystem;

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
        if (CopyFileReplacing(entry.path(), target)) ++copied;
    }
    return copied;
}

}  // namespace quillmark
