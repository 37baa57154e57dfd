#include "whois/ExtensionSettings.h"

#include <utility>

namespace quillmark {

namespace {

enum Column { kExtension, kServer, kPort, kStatus, kColumnCount };

constexpr std::string_view kEnabled = "Enabled";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kInvalidFields = "Please enter valid information for all fields.";
constexpr std::string_view kFallbackExtension = ".com";

}  // namespace

ExtensionSettings::ExtensionSettings(Services& services, const ProgramFolder& folder, whois::ServerTable& table,
                         bool& UseProxy, std::string& DefaultExtension, const std::string& productName,
                         SettingsHooks hooks)
    : services_(services),
      settings_(services.settings()),
      folder_(folder),
      table_(table),
      useProxy_(UseProxy),
      defaultExtension_(DefaultExtension),
      productName_(productName),
      hooks_(std::move(hooks)) {}

void ExtensionSettings::Form_Load() {
    lstDomains.setColumns({"Extension", "Server", "Port", "Status"});
    whois::FillServerList(folder_, lstDomains);
    EditEnabled = true;
    const bool useProxy = settings_.number(SettingKey::chkProxy) != 0;
    chkProxy.setValue(useProxy ? 1 : 0);
    useProxy_ = useProxy;
    txtDefault.setText(defaultExtension_);
    if (hooks_.applySkin) hooks_.applySkin();
}

void ExtensionSettings::lstDomains_Click() {
    const int row = lstDomains.selectedIndex();
    if (row < 0) return;
    txtExt.setText(lstDomains.cell(row, kExtension));
    txtServer.setText(lstDomains.cell(row, kServer));
    txtPort.setText(lstDomains.cell(row, kPort));
    EditEnabled = lstDomains.cell(row, kStatus) == kEnabled;
}

void ExtensionSettings::lstDomains_ColumnClick(int column) {
    if (lstDomains.count() == 0) return;
    // One order for every column: each click turns it round.
    const auto order = lstDomains.sortOrder() == ListView::SortOrder::Ascending
                           ? ListView::SortOrder::Descending
                           : ListView::SortOrder::Ascending;
    lstDomains.sortBy(column, order);
}

bool ExtensionSettings::BoxesValid() const {
    if (txtExt.text().empty() || txtServer.text().empty() || txtPort.text().empty()) return false;
    return whois::ParsePort(txtPort.text()).has_value();
}

void ExtensionSettings::cmdSave_Click() {
    if (!BoxesValid()) {
        services_.messages().show(kInvalidFields, productName_, MessageButtons::Ok);
        return;
    }
    whois::UpdateServer(folder_, txtExt.text(), txtServer.text(), txtPort.text(), EditEnabled);
    ReloadServers();
}

void ExtensionSettings::cmdToggle_Click() {
    const int row = lstDomains.selectedIndex();
    if (row < 0) return;
    const bool enable = lstDomains.cell(row, kStatus) != kEnabled;
    whois::UpdateServer(folder_, lstDomains.cell(row, kExtension), lstDomains.cell(row, kServer),
                           lstDomains.cell(row, kPort), enable);
    ReloadServers();
}

void ExtensionSettings::Command1_Click() {
    ClearBoxes();
    if (hooks_.focusExtension) hooks_.focusExtension();
    EditEnabled = true;
}

void ExtensionSettings::Command2_Click() {
    const int row = lstDomains.selectedIndex();
    if (row < 0) return;
    lstDomains.removeItem(row);
    SaveServerList();
    whois::LoadServers(folder_, table_);
    ClearBoxes();
}

void ExtensionSettings::Command3_Click() {
    whois::WriteDefaultServers(folder_, true);
    ReloadServers();
}

void ExtensionSettings::chkProxy_Click() {
    useProxy_ = chkProxy.checked();
    settings_.save(SettingKey::chkProxy, useProxy_ ? "1" : "0");
}

void ExtensionSettings::txtDefault_Change() {
    settings_.save(SettingKey::DefaultExt, txtDefault.text());
    defaultExtension_ = txtDefault.text();
}

void ExtensionSettings::txtDefault_LostFocus() {
    std::string extension = txtDefault.text();
    if (extension.empty()) {
        extension = kFallbackExtension;
    } else if (extension.find('.') == std::string::npos) {
        extension.insert(0, 1, '.');
    }
    txtDefault.setText(extension);
    defaultExtension_ = extension;
    settings_.save(SettingKey::DefaultExt, extension);
}

// The file in the order the list shows, so a sort before a delete is kept.
void ExtensionSettings::SaveServerList() {
    std::string bytes;
    for (int row = 0; row < lstDomains.count(); ++row) {
        for (int column = kExtension; column < kColumnCount; ++column) {
            if (column != kExtension) bytes += '|';
            bytes += lstDomains.cell(row, column);
        }
        bytes += kLineEnd;
    }
    bytes += kLineEnd;
    WriteFileReplacing(folder_.file(whois::kServerFile), bytes);
}

void ExtensionSettings::ReloadServers() {
    whois::FillServerList(folder_, lstDomains);
    whois::LoadServers(folder_, table_);
}

void ExtensionSettings::ClearBoxes() {
    txtExt.setText({});
    txtServer.setText({});
    txtPort.setText({});
}

}  // namespace quillmark
