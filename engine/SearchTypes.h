#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "platform/SettingsKeys.h"

namespace quillmark {

// Where the names of a run come from: the entries of the main window's
// "Search Type" box.
enum class SearchType {
    Browse,
    Generate,
    Yahoo,
    Google,
    FullWordList,
    AllTwoLetter,
    AllThreeLetter,
    AllFourLetter,
    CustomList,
    // The names no server gave a verdict on, asked again.
    Unchecked,
};

struct SearchTypeRow {
    SearchType type;
    // The entry's text in the box and in the Tools menu.
    std::string_view caption;
    // The shipped word list the run reads (platform/ProgramFiles.h); empty
    // for the types that read another file.
    std::string_view wordList;
    // The setting that keeps the position a run reached; none for the types
    // whose runs start from 1 each time.
    std::optional<SettingKey> resumeKey;
};

// Every type once, in the order of the box and the Tools menu.
const std::array<SearchTypeRow, 10>& SearchTypeRows();

// The row of an entry of the box; nullptr for any other text.
const SearchTypeRow* FindSearchType(std::string_view caption);
std::optional<SearchType> SearchTypeOf(std::string_view caption);
std::string_view SearchTypeCaption(SearchType type);

// Yahoo and Google: the list builder fills the list from a search engine.
bool IsWebSearch(SearchType type);

}  // namespace quillmark
