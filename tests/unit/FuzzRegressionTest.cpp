#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string_view>

#include "fuzz/FuzzTargets.h"
#include "platform/Files.h"

namespace quillmark {
namespace {

// Replays the inputs that once broke a target and the seeds the fuzzers start
// from. A broken promise aborts the test with the input's name on stderr.
TEST(FuzzRegression, EveryKeptInputAndSeedRunsClean) {
    const std::pair<std::string_view, void (*)(std::string_view)> targets[] = {
        {"correct_name", fuzz::FuzzCorrectName}, {"list_names", fuzz::FuzzListNames},
        {"page_names", fuzz::FuzzPageNames},     {"load_servers", fuzz::FuzzLoadServers},
        {"name_list", fuzz::FuzzNameList},       {"whois_reply", fuzz::FuzzWhoisReply},
        {"rdap_reply", fuzz::FuzzRdapReply}};
    int kept = 0;
    for (const auto& [target, run] : targets) {
        int seeds = 0;
        for (const std::string_view kind : {"regressions", "corpus"}) {
            const auto folder = std::filesystem::path(QUILLMARK_FUZZ_DIR) / kind / target;
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                // Dot files only keep an empty folder in the repository.
                if (!entry.is_regular_file() || entry.path().filename().string().starts_with('.')) continue;
                std::fprintf(stderr, "%s\n", entry.path().c_str());
                run(ReadWholeFile(entry.path()).value());
                ++(kind == "corpus" ? seeds : kept);
            }
        }
        EXPECT_GT(seeds, 0) << target;  // so its checks are known to run
    }
    EXPECT_GT(kept, 0);  // an input is kept only after it broke a target
}

}  // namespace
}  // namespace quillmark
