#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Files.h"
#include "platform/ListBox.h"
#include "results/Profile.h"

namespace quillmark::results {

// The file a profile's list is saved in: "LowProfile", "HighProfile" (the Mid
// list) or "SuperHighProfile" (the High list), then the stamp and ".txt".
// Taken names have no such file.
std::string ProfileFileName(Verdict profile, std::string_view sessionStamp);

// Keeps the profile files in the program folder equal to the three lists.
// Rewriting every file after every free name would cost a whole list per name,
// so a file that only needs the names added since the last save gets just
// those appended.
class ProfileFiles {
public:
    // Makes each file hold exactly its list; appends only the new lines when
    // nothing but appends changed the list since this object last wrote that
    // same file, else rewrites it whole (via a temporary file and a rename).
    // A file that cannot be written is left as it is, without a word.
    void SaveProfileFiles(const ProgramFolder& folder, std::string_view sessionStamp, const ListBox& low,
                          const ListBox& mid, const ListBox& high);

private:
    // What this object last wrote to one class's file, and what the file
    // looked like afterwards, so that a file changed by anyone else is
    // rewritten whole.
    struct Written {
        std::filesystem::path path;  // empty: nothing known
        const ListBox* list = nullptr;
        std::uint64_t revision = 0;
        int count = 0;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified{};
    };

    static void save(Written& known, const std::filesystem::path& path, const ListBox& list);
    static bool onlyAppendsSince(const Written& known, const std::filesystem::path& path,
                                 const ListBox& list);
    static void remember(Written& known, const std::filesystem::path& path, const ListBox& list);

    std::array<Written, 3> written_{};
};

}  // namespace quillmark::results
