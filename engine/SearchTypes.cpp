#include "engine/SearchTypes.h"

#include "platform/ProgramFiles.h"

namespace quillmark {

namespace {

constexpr std::array<SearchTypeRow, 10> kRows = {{
    {SearchType::Browse, "Browse for names", {}, std::nullopt},
    {SearchType::Generate, "Generate names", {}, std::nullopt},
    {SearchType::Yahoo, "Yahoo Search", {}, SettingKey::YahooWordNum},
    {SearchType::Google, "Google Search", {}, SettingKey::GoogleWordNum},
    {SearchType::FullWordList, "Full Word List", files::kFullWordList, SettingKey::FullWordNum},
    {SearchType::AllTwoLetter, "All Two Letter", files::kAllTwoLetter, SettingKey::TwoWordNum},
    {SearchType::AllThreeLetter, "All Three Letter", files::kAllThreeLetter, SettingKey::ThreeWordNum},
    {SearchType::AllFourLetter, "All Four Letter", files::kAllFourLetter, SettingKey::FourWordNum},
    {SearchType::CustomList, "Custom List", {}, SettingKey::CustWordNum},
    {SearchType::Unchecked, "Unchecked Names", files::kUnchecked, std::nullopt},
}};

}  // namespace

const std::array<SearchTypeRow, 10>& SearchTypeRows() {
    return kRows;
}

const SearchTypeRow* FindSearchType(std::string_view caption) {
    for (const SearchTypeRow& row : kRows) {
        if (row.caption == caption) return &row;
    }
    return nullptr;
}

std::optional<SearchType> SearchTypeOf(std::string_view caption) {
    const SearchTypeRow* row = FindSearchType(caption);
    return row != nullptr ? std::optional(row->type) : std::nullopt;
}

std::string_view SearchTypeCaption(SearchType type) {
    for (const SearchTypeRow& row : kRows) {
        if (row.type == type) return row.caption;
    }
    return {};
}

bool IsWebSearch(SearchType type) {
    return type == SearchType::Yahoo || type == SearchType::Google;
}

}  // namespace quillmark
