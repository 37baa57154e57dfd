#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzTargets.h"
#include "platform/Files.h"

namespace quillmark {
namespace {

// Inputs that once broke a target, and the seeds the fuzzers start from. A
// broken promise aborts the test with the input's name on stderr.
struct FuzzTarget {
    std::string_view folder;
    void (*run)(std::string_view);
};

constexpr FuzzTarget kTargets[] = {
    {"correct_name", fuzz::FuzzCorrectName}, {"list_names", fuzz::FuzzListNames},
    {"page_names", fuzz::FuzzPageNames},     {"load_servers", fuzz::FuzzLoadServers},
    {"name_list", fuzz::FuzzNameList},       {"whois_reply", fuzz::FuzzWhoisReply},
};

std::vector<std::filesystem::path> inputsOf(std::string_view kind, std::string_view target) {
    std::vector<std::filesystem::path> inputs;
    const auto folder = std::filesystem::path(QUILLMARK_FUZZ_DIR) / kind / target;
    if (!std::filesystem::is_directory(folder)) return inputs;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        // Dot files only keep an empty folder in the repository.
        if (entry.is_regular_file() && !entry.path().filename().string().starts_with('.'))
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::size_t runAll(std::string_view kind) {
    std::size_t runs = 0;
    for (const auto& target : kTargets) {
        for (const auto& input : inputsOf(kind, target.folder)) {
            const auto bytes = ReadWholeFile(input);
            EXPECT_TRUE(bytes) << input;
            if (!bytes) continue;
            std::fprintf(stderr, "%s\n", input.string().c_str());
            target.run(*bytes);
            ++runs;
        }
    }
    return runs;
}

TEST(FuzzRegression, EveryKeptInputRunsClean) {
    // An input is kept only after it broke a target, so there are some.
    EXPECT_GT(runAll("regressions"), 0u);
}

TEST(FuzzRegression, EverySeedRunsClean) {
    // Each target has seeds, so the checks are known to run.
    for (const auto& target : kTargets)
        EXPECT_FALSE(inputsOf("corpus", target.folder).empty()) << target.folder;
    EXPECT_GT(runAll("corpus"), 0u);
}

}  // namespace
}  // namespace quillmark
