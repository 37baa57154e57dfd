#pragma once

#include <string_view>

// The files and folders the program keeps in its folder, written as
// ProgramFolder::file and ProgramFolder::folder take them. Users' folders
// already hold files of these names: none of them may change.
namespace quillmark::files {

// Data files.
inline constexpr std::string_view kServers = "\\registrars.txt";
inline constexpr std::string_view kRemembered = "\\Remembered.txt";
inline constexpr std::string_view kBrowserSearch = "\\BrowserSearch.txt";
inline constexpr std::string_view kAppends = "\\Appends.txt";
inline constexpr std::string_view kCreatedDomains = "\\CreatedDomains.txt";
inline constexpr std::string_view kHelp = "\\Help.html";
inline constexpr std::string_view kReplyRules = "\\replyrules.txt";
// Names no server gave a verdict on: name <tab> reason per line.
inline constexpr std::string_view kUnchecked = "\\Unchecked.txt";
// The registries' RDAP server list as last downloaded; it replaces the
// RDAP addresses that ship with the program.
inline constexpr std::string_view kRdapServers = "\\rdapservers.json";
// What a stopped or killed run left: "list|next|p1,p2,…", the positions
// without an outcome.
inline constexpr std::string_view kRunOpen = "\\RunOpen.txt";

// The word lists that ship with the program.
inline constexpr std::string_view kFullWordList = "\\Wordlists\\FullWordList.txt";
inline constexpr std::string_view kAllTwoLetter = "\\Wordlists\\AllTwoLetter.txt";
inline constexpr std::string_view kAllThreeLetter = "\\Wordlists\\AllThreeLetter.txt";
inline constexpr std::string_view kAllFourLetter = "\\Wordlists\\AllFourLetter.txt";

// Folders; ProgramFolder::folder makes every part lower case.
inline constexpr std::string_view kBackups = "\\backups";
inline constexpr std::string_view kOverflow = "\\overflow";
inline constexpr std::string_view kWordLists = "\\wordlists";
inline constexpr std::string_view kSearches = "\\searches";
inline constexpr std::string_view kCustomLists = "\\CustomLists";

// Files of a session: prefix, session stamp, kSessionFileEnd. The High list is
// saved as "SuperHighProfile…", the Mid list as "HighProfile…", the Low list
// as "LowProfile…"; "MidProfile…" is only ever a backup marker.
inline constexpr std::string_view kLowProfile = "LowProfile";
inline constexpr std::string_view kHighProfile = "HighProfile";
inline constexpr std::string_view kSuperHighProfile = "SuperHighProfile";
inline constexpr std::string_view kMidProfile = "MidProfile";
inline constexpr std::string_view kSessionFileEnd = ".txt";

}  // namespace quillmark::files
