#include "SettingsKeys.h"

#include <array>

#include "Text.h"

namespace quillmark {

namespace {

constexpr std::array kKeys = {
    SettingKeyInfo{kListsApplication, "wordNumber", "0", true, 0},
    SettingKeyInfo{kListsApplication, "FullWordNum", "1", true, 0},
    SettingKeyInfo{kListsApplication, "TwoWordNum", "1", true, 0},
    SettingKeyInfo{kListsApplication, "ThreeWordNum", "1", true, 0},
    SettingKeyInfo{kListsApplication, "FourWordNum", "1", true, 0},
    SettingKeyInfo{kListsApplication, "CustWordNum", "1", true, 0},
    SettingKeyInfo{kListsApplication, "YahooWordNum", "1", true, 0},
    SettingKeyInfo{kListsApplication, "GoogleWordNum", "1", true, 0},
    SettingKeyInfo{kOptionsApplication, "showHelp", "1", false, 0},
    SettingKeyInfo{kOptionsApplication, "chkProxy", "0", true, 0},
    SettingKeyInfo{kOptionsApplication, "DefaultExt", ".com", false, 0},
    SettingKeyInfo{kOptionsApplication, "txtMake", "", false, 0},
    SettingKeyInfo{kOptionsApplication, "txtCustom", ".co.uk", false, 0},
    SettingKeyInfo{kOptionsApplication, "chkExt", "1", true, 9},
    SettingKeyInfo{kOptionsApplication, "chkAdd", "1", true, 3},
    SettingKeyInfo{kOptionsApplication, "ThrottleWait", "30", true, 0},
    SettingKeyInfo{kOptionsApplication, "WhoisOnly", "0", true, 0},
};

std::string keyName(const SettingKeyInfo& info, int index) {
    std::string name(info.name);
    if (info.indexCount > 0) name += std::to_string(index < 0 ? 0 : index);
    return name;
}

}  // namespace

const SettingKeyInfo& KeyInfo(SettingKey key) {
    return kKeys.at(static_cast<std::size_t>(key));
}

std::string Settings::text(SettingKey key, int index) const {
    const auto& info = KeyInfo(key);
    return store_.GetSetting(info.application, kSettingsSection, keyName(info, index), info.defaultValue);
}

std::int32_t Settings::number(SettingKey key, int index) const {
    const auto& info = KeyInfo(key);
    if (const auto value = text::parseInt32(text(key, index))) return *value;
    return text::parseInt32(info.defaultValue).value_or(0);
}

void Settings::save(SettingKey key, std::string_view value, int index) {
    const auto& info = KeyInfo(key);
    store_.SaveSetting(info.application, kSettingsSection, keyName(info, index), value);
}

void Settings::save(SettingKey key, std::int64_t value, int index) {
    save(key, std::string_view(std::to_string(value)), index);
}

}  // namespace quillmark
