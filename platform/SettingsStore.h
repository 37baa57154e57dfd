#pragma once

#include <string>
#include <string_view>

namespace quillmark {

// Per-user text values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or the default when the key is missing.
    virtual std::string GetSetting(std::string_view application, std::string_view section,
                                   std::string_view key, std::string_view defaultValue) = 0;
    virtual void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    // Writes values kept in memory to their lasting place.
    virtual void flush() = 0;
};

}  // namespace quillmark
