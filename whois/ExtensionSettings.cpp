#include "whois/ExtensionSettings.h"

#include <utility>

#include "platform/Hook.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark {

namespace {

enum Column { kExtension, kServer, kPort, kStatus, kColumnCount };

constexpr std::string_view kEnabled = "Enabled";
constexpr std::string_view kFallbackExtension = ".com";
constexpr std::string_view kRdapWhereAvailable = "RDAP where available";
constexpr std::string_view kWhoisOnly = "whois only";

}  // namespace

ExtensionSettings::ExtensionSettings(Services& services, const ProgramFolder& folder,
                                     whois::ServerTable& table, LookupOptions options,
                                     const std::string& productName, SettingsHooks hooks)
    : services_(services),
      settings_(services.settings()),
      folder_(folder),
      table_(table),
      options_(options),
      update_(services.makeHttpClient(), folder),
      productName_(productName),
      hooks_(std::move(hooks)) {
    for (const std::string_view item : {kRdapWhereAvailable, kWhoisOnly}) protocol.addItem(std::string(item));
    protocol.setToolTip("RDAP answers for most registries today; whois is asked when it gives no answer.");
    updateButton.setToolTip("Downloads the list of the registries' RDAP servers");
}

void ExtensionSettings::Load() {
    extensions.setColumns({"Extension", "Server", "Port", "Status"});
    whois::FillServerList(folder_, extensions);
    ShowAddressRegistryNote();
    editEnabled = true;
    const bool proxyOn = settings_.number(SettingKey::chkProxy) != 0;
    useProxy.setValue(proxyOn ? 1 : 0);
    options_.useProxy = proxyOn;
    defaultExtension.setText(options_.defaultExtension);
    options_.whoisOnly = settings_.number(SettingKey::WhoisOnly) != 0;
    protocol.setText(std::string(options_.whoisOnly ? kWhoisOnly : kRdapWhereAvailable));
}

void ExtensionSettings::RowClicked() {
    const int row = extensions.selectedIndex();
    if (row < 0) return;
    extension.setText(extensions.cell(row, kExtension));
    server.setText(extensions.cell(row, kServer));
    port.setText(extensions.cell(row, kPort));
    editEnabled = extensions.cell(row, kStatus) == kEnabled;
}

void ExtensionSettings::ColumnClicked(int column) {
    if (extensions.count() == 0) return;
    // One order for every column: each click turns it round.
    const auto order = extensions.sortOrder() == ListView::SortOrder::Ascending
                           ? ListView::SortOrder::Descending
                           : ListView::SortOrder::Ascending;
    extensions.sortBy(column, order);
}

// What is wrong with the boxes, naming the box; nothing when a row can be saved.
std::optional<std::string_view> ExtensionSettings::FieldError() const {
    if (extension.text().empty()) return "Extension: enter the extension the row is for, such as com.";
    if (server.text().empty()) return "Whois Server: enter the host name of the server to ask.";
    if (!whois::ParsePort(port.text())) return "Port: enter a whole number from 1 to 65535 (whois uses 43).";
    return std::nullopt;
}

void ExtensionSettings::SaveRow() {
    if (const auto error = FieldError()) {
        services_.messages().show(*error, productName_, MessageButtons::Ok);
        return;
    }
    whois::UpdateServer(folder_, extension.text(), server.text(), port.text(), editEnabled);
    ReloadServers();
}

void ExtensionSettings::ToggleEnabled() {
    const int row = extensions.selectedIndex();
    if (row < 0) return;
    const bool enable = extensions.cell(row, kStatus) != kEnabled;
    whois::UpdateServer(folder_, extensions.cell(row, kExtension), extensions.cell(row, kServer),
                        extensions.cell(row, kPort), enable);
    ReloadServers();
}

void ExtensionSettings::NewExtension() {
    ClearBoxes();
    call(hooks_.focusExtension);
    editEnabled = true;
}

void ExtensionSettings::DeleteSelected() {
    const int row = extensions.selectedIndex();
    if (row < 0) return;
    extensions.removeItem(row);
    SaveServerList();
    whois::LoadServers(folder_, table_);
    ClearBoxes();
}

void ExtensionSettings::RestoreDefaults() {
    whois::WriteDefaultServers(folder_, true);
    ReloadServers();
}

void ExtensionSettings::ProxyClicked() {
    options_.useProxy = useProxy.checked();
    settings_.save(SettingKey::chkProxy, options_.useProxy ? "1" : "0");
}

void ExtensionSettings::DefaultExtensionChanged() {
    settings_.save(SettingKey::DefaultExt, defaultExtension.text());
    options_.defaultExtension = defaultExtension.text();
}

void ExtensionSettings::DefaultExtensionLostFocus() {
    std::string extension = defaultExtension.text();
    if (extension.empty()) {
        extension = kFallbackExtension;
    } else if (extension.find('.') == std::string::npos) {
        extension.insert(0, 1, '.');
    }
    defaultExtension.setText(extension);
    options_.defaultExtension = extension;
    settings_.save(SettingKey::DefaultExt, extension);
}

void ExtensionSettings::ProtocolChosen() {
    options_.whoisOnly = protocol.text() == kWhoisOnly;
    settings_.save(SettingKey::WhoisOnly, options_.whoisOnly ? "1" : "0");
}

void ExtensionSettings::UpdateServerData(std::string_view address) {
    if (update_.running()) return;
    updateButton.setEnabled(false);
    updateStatus.setCaption("Downloading the RDAP server list...");
    update_.Start(address, [this](const whois::RdapServersUpdate::Result& result) {
        if (result.updated) options_.zones = whois::LoadZones(folder_);
        updateStatus.setCaption(result.message);
        updateButton.setEnabled(true);
    });
}

// The file in the order the list shows, so a sort before a delete is kept.
void ExtensionSettings::SaveServerList() {
    std::string bytes;
    for (int row = 0; row < extensions.count(); ++row) {
        for (int column = kExtension; column < kColumnCount; ++column) {
            if (column != kExtension) bytes += '|';
            bytes += extensions.cell(row, column);
        }
        bytes += text::kCrLf;
    }
    bytes += text::kCrLf;
    WriteFileReplacing(folder_.file(files::kServers), bytes);
}

void ExtensionSettings::ReloadServers() {
    whois::FillServerList(folder_, extensions);
    whois::LoadServers(folder_, table_);
    ShowAddressRegistryNote();
}

void ExtensionSettings::ShowAddressRegistryNote() {
    std::string listed;
    for (const auto& extension : whois::AddressRegistryRows(table_))
        listed += (listed.empty() ? "." : ", .") + extension;
    addressRegistryNote.setCaption(listed.empty()
                                       ? std::string()
                                       : "The rows of " + listed +
                                             " name a server of internet addresses, which holds no "
                                             "domain names; the registry's own server is asked instead.");
    addressRegistryNote.setVisible(!listed.empty());
}

void ExtensionSettings::ClearBoxes() {
    extension.setText({});
    server.setText({});
    port.setText({});
}

}  // namespace quillmark
