#pragma once

#include <functional>
#include <string>

#include "platform/Control.h"
#include "platform/Files.h"
#include "platform/ListView.h"
#include "platform/Services.h"
#include "platform/SettingsKeys.h"
#include "whois/ServerTable.h"

namespace quillmark {

// What the settings window asks of its view. Either may be left empty.
struct SettingsHooks {
    std::function<void()> applySkin;
    // Puts the keyboard focus into the extension box.
    std::function<void()> focusExtension;
};

// The window "Domain extension settings": edits the whois server table file
// and the two lookup options. Every write reloads the in-memory table at once,
// so the next lookup uses it.
class ExtensionSettings {
public:
    ExtensionSettings(Services& services, const ProgramFolder& folder, whois::ServerTable& table, bool& UseProxy,
                std::string& DefaultExtension, const std::string& productName, SettingsHooks hooks = {});
    ExtensionSettings(const ExtensionSettings&) = delete;
    ExtensionSettings& operator=(const ExtensionSettings&) = delete;

    void Form_Load();
    void lstDomains_Click();
    void lstDomains_ColumnClick(int column);
    void cmdSave_Click();
    void cmdToggle_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void chkProxy_Click();
    void txtDefault_Change();
    void txtDefault_LostFocus();

    // Controls.
    Window Me{"Domain extension settings"};
    Label Label4{"Enabled/Disabled Extensions:"};
    ListView lstDomains;
    Label Label1{"Extension:"};
    TextBox txtExt;
    Label Label2{"Whois Server:"};
    TextBox txtServer;
    Label Label3{"Port:"};
    TextBox txtPort;
    Button cmdSave{"Add/Save"};
    Button Command1{"New Extension"};
    Button Command2{"Delete Selected"};
    Button cmdToggle{"Enable/Disable"};
    CheckBox chkProxy{"Use the server entered under the extension \"proxy\" for all whois lookups"};
    Label Label5{"Default Extension:"};
    Label Label6{
        "Use the following extension in wordlist searches or if no extension is present in the domain:"};
    TextBox txtDefault;
    Button Command3{"Restore Defaults"};

    // Window state: the status a saved row gets.
    bool EditEnabled = true;

private:
    void SaveServerList();
    void ReloadServers();
    void ClearBoxes();
    bool BoxesValid() const;

    Services& services_;
    Settings settings_;
    const ProgramFolder& folder_;
    whois::ServerTable& table_;
    bool& useProxy_;
    std::string& defaultExtension_;
    const std::string productName_;
    SettingsHooks hooks_;
};

}  // namespace quillmark
