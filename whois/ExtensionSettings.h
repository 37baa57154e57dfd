#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/Files.h"
#include "platform/ListView.h"
#include "platform/Services.h"
#include "platform/SettingsKeys.h"
#include "whois/Rdap.h"
#include "whois/RdapServersUpdate.h"
#include "whois/ServerTable.h"
#include "whois/Zones.h"

namespace quillmark {

// What the settings window asks of its view. It may be left empty.
struct SettingsHooks {
    // Puts the keyboard focus into the extension box.
    std::function<void()> focusExtension;
};

// The lookup options the program holds in memory; the settings window
// changes them at once.
struct LookupOptions {
    bool& useProxy;
    // Every lookup by whois, even where the registry answers by RDAP.
    bool& whoisOnly;
    std::string& defaultExtension;
    whois::ZoneTable& zones;
};

// The window "Domain extension settings": edits the whois server table file
// and the lookup options, and updates the RDAP server list. Every write
// reloads the in-memory table at once, so the next lookup uses it.
class ExtensionSettings {
public:
    ExtensionSettings(Services& services, const ProgramFolder& folder, whois::ServerTable& table,
                      LookupOptions options, const std::string& productName, SettingsHooks hooks = {});
    ExtensionSettings(const ExtensionSettings&) = delete;
    ExtensionSettings& operator=(const ExtensionSettings&) = delete;

    void Load();
    void RowClicked();
    void ColumnClicked(int column);
    void SaveRow();
    void ToggleEnabled();
    void NewExtension();
    void DeleteSelected();
    void RestoreDefaults();
    void ProxyClicked();
    void DefaultExtensionChanged();
    void DefaultExtensionLostFocus();
    void ProtocolChosen();
    // Downloads the RDAP server list from the address; the button waits meanwhile.
    void UpdateServerData(std::string_view address = whois::kRdapServersAddress);

    // Controls.
    Window window{"Domain extension settings"};
    Label tableLabel{"Enabled/Disabled Extensions:"};
    ListView extensions;
    Label extensionLabel{"Extension:"};
    TextBox extension;
    Label serverLabel{"Whois Server:"};
    TextBox server;
    Label portLabel{"Port:"};
    TextBox port;
    Button saveButton{"Add/Save"};
    Button newButton{"New Extension"};
    Button deleteButton{"Delete Selected"};
    Button toggleButton{"Enable/Disable"};
    CheckBox useProxy{"Use the server entered under the extension \"proxy\" for all whois lookups"};
    Label defaultExtensionLabel{"Default Extension:"};
    Label defaultExtensionHint{
        "Use the following extension in wordlist searches or if no extension is present in the domain:"};
    TextBox defaultExtension;
    Button restoreButton{"Restore Defaults"};
    Label protocolLabel{"Lookups:"};
    ComboBox protocol;
    Button updateButton{"Update server data"};
    // What the last update did.
    Label updateStatus;
    // Shown while rows send names to an address registry.
    Label addressRegistryNote;

    // Window state: the status a saved row gets.
    bool editEnabled = true;

private:
    void SaveServerList();
    void ReloadServers();
    void ShowAddressRegistryNote();
    void ClearBoxes();
    std::optional<std::string_view> FieldError() const;

    Services& services_;
    Settings settings_;
    const ProgramFolder& folder_;
    whois::ServerTable& table_;
    LookupOptions options_;
    whois::RdapServersUpdate update_;
    const std::string productName_;
    SettingsHooks hooks_;
};

}  // namespace quillmark
