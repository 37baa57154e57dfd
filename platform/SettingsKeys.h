#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "SettingsStore.h"

namespace quillmark {

inline constexpr std::string_view kListsApplication = "Kestrelon";
inline constexpr std::string_view kOptionsApplication = "Quillmark";
inline constexpr std::string_view kSettingsSection = "Settings";

// Every key the program keeps. Indexed keys (chkExt0..8, chkAdd0..2) take
// their index as a suffix.
enum class SettingKey {
    wordNumber,
    FullWordNum,
    TwoWordNum,
    ThreeWordNum,
    FourWordNum,
    CustWordNum,
    YahooWordNum,
    GoogleWordNum,
    showHelp,
    chkProxy,
    DefaultExt,
    txtMake,
    txtCustom,
    chkExt,
    chkAdd,
    // Seconds a throttled server first waits; each throttle in a row doubles it.
    ThrottleWait,
    // 1: every lookup by whois; 0: by RDAP where the registry has a server.
    WhoisOnly,
};

struct SettingKeyInfo {
    std::string_view application;
    std::string_view name;
    std::string_view defaultValue;
    bool numeric;
    int indexCount;  // 0 for a plain key
};

const SettingKeyInfo& KeyInfo(SettingKey key);

// The settings store seen through the key table: the right application and
// section for every key, and its default when a value is missing or, for a
// numeric key, not a whole number.
class Settings {
public:
    explicit Settings(SettingsStore& store) : store_(store) {}

    std::string text(SettingKey key, int index = -1) const;
    std::int32_t number(SettingKey key, int index = -1) const;
    void save(SettingKey key, std::string_view value, int index = -1);
    void save(SettingKey key, std::int64_t value, int index = -1);

    SettingsStore& store() { return store_; }

private:
    SettingsStore& store_;
};

}  // namespace quillmark
