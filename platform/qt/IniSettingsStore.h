#pragma once

#include <QSettings>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/SettingsStore.h"

namespace quillmark::qt {

// The settings store on disk: one INI file per application name in one
// folder, the section as the INI group. Writes wait in memory for a short
// while, so that a run saving a counter per name does not rewrite the file
// per name; reads always see them.
class IniSettingsStore final : public SettingsStore {
public:
    // Without a folder, the XDG rule: $XDG_CONFIG_HOME/Quillmark, or
    // ~/.config/Quillmark when that variable is unset or empty.
    explicit IniSettingsStore(std::optional<std::string> folder = std::nullopt, int flushDelayMs = 1000);
    IniSettingsStore(const IniSettingsStore&) = delete;
    IniSettingsStore& operator=(const IniSettingsStore&) = delete;
    ~IniSettingsStore() override;

    std::string GetSetting(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view value) override;
    void flush() override;

    static std::string defaultFolder();
    const std::string& folder() const { return folder_; }
    std::string filePath(std::string_view application) const;

private:
    using Key = std::tuple<std::string, std::string, std::string>;

    QSettings& file(const std::string& application);

    std::string folder_;
    std::map<Key, std::string> pending_;
    std::map<std::string, std::unique_ptr<QSettings>, std::less<>> files_;
    QTimer flushTimer_;
};

}  // namespace quillmark::qt
