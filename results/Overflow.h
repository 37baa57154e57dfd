#pragma once

#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/ListBox.h"

// Caps the free-name lists: a full list sends all three to dated files in the
// overflow folder, and each new stamp leaves its mark in the backups folder.
namespace quillmark::results {

inline constexpr int kOverflowLimit = 20000;

// True when any of the three free lists holds kOverflowLimit entries or more.
bool ReachedOverflowLimit(const ListBox& low, const ListBox& mid, const ListBox& high);

// Writes each list to its profile file name (with the stamp in force) in the
// overflow folder, replacing a file of that name. Failures go unreported.
void OverflowLists(const ProgramFolder& folder, std::string_view sessionStamp, const ListBox& low,
                   const ListBox& mid, const ListBox& high);

// The stamp for the local time as "yyyyMMddHHmmss".
std::string SessionStampFor(const LocalTime& now);

// Makes a new stamp from the local time and creates the backup files for it:
// "HighProfile" + stamp + ".txt" with two lines of one space and
// "MidProfile" + stamp + ".txt" with one. Returns the stamp.
std::string NewSessionStamp(const ProgramFolder& folder, const LocalTime& now);

}  // namespace quillmark::results
