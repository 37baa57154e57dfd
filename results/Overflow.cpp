#include "Overflow.h"

#include <cstdio>

#include "ProfileFiles.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark::results {

namespace {

// The backup files hold no names, only these lines.
constexpr std::string_view kBackupLine = " \r\n";

}  // namespace

bool ReachedOverflowLimit(const ListBox& low, const ListBox& mid, const ListBox& high) {
    return low.listCount() >= kOverflowLimit || mid.listCount() >= kOverflowLimit ||
           high.listCount() >= kOverflowLimit;
}

void OverflowLists(const ProgramFolder& folder, std::string_view sessionStamp, const ListBox& low,
                   const ListBox& mid, const ListBox& high) {
    const auto overflow = folder.folder(files::kOverflow);
    WriteFileReplacing(overflow / ProfileFileName(Verdict::Low, sessionStamp), text::joinLines(low.items()));
    WriteFileReplacing(overflow / ProfileFileName(Verdict::Mid, sessionStamp), text::joinLines(mid.items()));
    WriteFileReplacing(overflow / ProfileFileName(Verdict::High, sessionStamp),
                       text::joinLines(high.items()));
}

std::string SessionStampFor(const LocalTime& now) {
    // Room for any int in each field, so nothing is ever cut.
    char text[96];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", now.year, now.month, now.day, now.hour,
                  now.minute, now.second);
    return text;
}

std::string NewSessionStamp(const ProgramFolder& folder, const LocalTime& now) {
    std::string stamp = SessionStampFor(now);
    const auto backups = folder.folder(files::kBackups);
    const auto backup = [&](std::string_view prefix) {
        return backups / (std::string(prefix) + stamp + std::string(files::kSessionFileEnd));
    };
    const auto high = backup(files::kHighProfile);
    AppendToFile(high, kBackupLine);
    AppendToFile(backup(files::kMidProfile), kBackupLine);
    AppendToFile(high, kBackupLine);
    return stamp;
}

}  // namespace quillmark::results
