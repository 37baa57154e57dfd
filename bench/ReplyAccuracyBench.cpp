// Scores the shipped reply rules on real registry replies, labelled free,
// taken, throttled or error, and prints the confusion table. Each reply is
// judged for the name it was asked about.
//
//   qm_accuracy_bench [REPLIES-FOLDER]   (default: ../shared/replies beside the sources)
#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "QuillmarkConfig.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "whois/ReplyRules.h"

using namespace quillmark;

namespace {

constexpr std::array<const char*, 4> kLabels = {"free", "taken", "throttled", "error"};

int labelIndex(std::string_view label) {
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        if (label == kLabels[i]) return static_cast<int>(i);
    }
    return -1;
}

int judgedIndex(const whois::Verdict& verdict) {
    switch (verdict.outcome) {
        case whois::Outcome::Free:
            return 0;
        case whois::Outcome::Taken:
            return 1;
        case whois::Outcome::Unchecked:
            return verdict.reason == whois::kReasonThrottled ? 2 : 3;
    }
    return 3;
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::path(QUILLMARK_SOURCE_DIR) / "../shared/replies";
    const auto index = ReadWholeFile(folder / "INDEX.tsv");
    if (!index) {
        std::printf("skipped: no labelled replies at %s\n", folder.string().c_str());
        return 0;
    }
    const whois::ReplyRules rules = whois::ParseReplyRules(config::kShippedReplyRules);
    std::array<std::array<int, 4>, 4> table{};
    std::map<std::string, std::string> wrong;
    for (const auto line : text::splitLines(*index)) {
        const auto fields = text::split(line, '\t');
        if (fields.size() < 4 || labelIndex(fields[2]) < 0) continue;
        const auto reply = ReadWholeFile(folder / std::string(fields[1]));
        if (!reply) continue;
        const int judged = judgedIndex(whois::JudgeReply(rules, fields[3], *reply));
        const int label = labelIndex(fields[2]);
        ++table[static_cast<std::size_t>(label)][static_cast<std::size_t>(judged)];
        if (judged != label) wrong[std::string(fields[1])] = kLabels[static_cast<std::size_t>(judged)];
    }
    std::printf("%-18s%10s%10s%10s%10s\n", "labelled \\ judged", kLabels[0], kLabels[1], kLabels[2],
                kLabels[3]);
    for (std::size_t row = 0; row < 4; ++row) {
        std::printf("%-18s", kLabels[row]);
        for (const int count : table[row]) std::printf("%10d", count);
        std::printf("\n");
    }
    const int right = table[0][0] + table[1][1];
    const int freeAndTaken = table[0][0] + table[0][1] + table[0][2] + table[0][3] + table[1][0] +
                             table[1][1] + table[1][2] + table[1][3];
    const int falseFree = table[1][0] + table[2][0] + table[3][0];
    const int silentlyJudged = table[2][0] + table[2][1] + table[3][0] + table[3][1];
    std::printf("right on free and taken: %d of %d (%.2f %%)\n", right, freeAndTaken,
                freeAndTaken ? 100.0 * right / freeAndTaken : 0.0);
    std::printf("false free: %d\nthrottled or error judged free or taken: %d\n", falseFree, silentlyJudged);
    for (const auto& [file, judged] : wrong) std::printf("  %s judged %s\n", file.c_str(), judged.c_str());
    return 0;
}
