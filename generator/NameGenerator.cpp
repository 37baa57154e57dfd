#include "generator/NameGenerator.h"

#include "generator/NameCombiner.h"
#include "platform/Text.h"

namespace quillmark::generator {

namespace {

constexpr std::array<std::string_view, NameGenerator::kExtensionBoxes> kExtensionCaptions{
    ".COM", ".NET", ".ORG", ".BIZ", ".INFO", ".NAME", ".AERO", ".COOP", "Custom Extension:"};
constexpr std::array<std::string_view, NameGenerator::kOptionBoxes> kOptionCaptions{"Prefixes", "Suffixes",
                                                                              "Hyphens"};

}  // namespace

NameGenerator::NameGenerator(Services& services, const ProgramFolder& folder, const program::ProductIdentity& constants,
                 GeneratorHooks hooks)
    : services_(services),
      folder_(folder),
      constants_(constants),
      hooks_(std::move(hooks)),
      settings_(services.settings()) {
    SetUpControls();
}

void NameGenerator::SetUpControls() {
    text1.setToolTip("This word will appear in every domain created.");
    for (std::size_t i = 0; i < chkExt.size(); ++i) chkExt[i].setCaption(std::string(kExtensionCaptions[i]));
    for (std::size_t i = 0; i < chkAdd.size(); ++i) chkAdd[i].setCaption(std::string(kOptionCaptions[i]));
    txtCustom.setText(".co.uk");
    Command1.setToolTip("Once you have a base word, click here to create your list!");
    Command2.setToolTip("Save your list as a text file.");
    cmdAdd.setToolTip("Add your word.");
    cmdSub.setToolTip("Remove the selected word.");
    txtStatus.setText("Status...");
}

std::filesystem::path NameGenerator::AppendsFile() const {
    return folder_.file("\\Appends.txt");
}

std::filesystem::path NameGenerator::CreatedFile() const {
    return folder_.file("\\CreatedDomains.txt");
}

void NameGenerator::Form_Load() {
    if (constants_.SkinEnabled && hooks_.applySkin) hooks_.applySkin();
    LoadAppends();
    LoadOptions();
}

void NameGenerator::LoadOptions() {
    // A stored state other than 0 or 1 counts as the key's default, ticked.
    auto state = [this](SettingKey key, int index) {
        const std::int32_t value = settings_.number(key, index);
        return value == 0 || value == 1 ? value : 1;
    };
    for (int n = 0; n < kExtensionBoxes; ++n)
        chkExt[static_cast<std::size_t>(n)].setValue(state(SettingKey::chkExt, n));
    for (int n = 0; n < kOptionBoxes; ++n)
        chkAdd[static_cast<std::size_t>(n)].setValue(state(SettingKey::chkAdd, n));
    text1.setText(settings_.text(SettingKey::txtMake));
    txtCustom.setText(settings_.text(SettingKey::txtCustom));
}

// --- options -------------------------------------------------------------------

void NameGenerator::chkExt_Click(int index) {
    if (index < 0 || index >= kExtensionBoxes) return;
    settings_.save(SettingKey::chkExt, chkExt[static_cast<std::size_t>(index)].value(), index);
}

void NameGenerator::chkAdd_Click(int index) {
    if (index < 0 || index >= kOptionBoxes) return;
    settings_.save(SettingKey::chkAdd, chkAdd[static_cast<std::size_t>(index)].value(), index);
}

void NameGenerator::text1_Change() {
    settings_.save(SettingKey::txtMake, text1.text());
}

void NameGenerator::txtCustom_Change() {
    settings_.save(SettingKey::txtCustom, txtCustom.text());
}

// --- the generation run --------------------------------------------------------

void NameGenerator::text1_KeyPress(int keyAscii) {
    if (keyAscii == kEnterKey) Command1_Click();
}

std::vector<std::string> NameGenerator::TickedExtensions() const {
    std::vector<std::string> extensions;
    for (std::size_t i = 0; i < chkExt.size(); ++i) {
        if (!Ticked(chkExt[i])) continue;
        const std::string& text = i == kCustomBox ? txtCustom.text() : chkExt[i].caption();
        extensions.push_back(text::toLower(text));
    }
    return extensions;
}

void NameGenerator::ShowStatus(std::string text) {
    txtStatus.setText(std::move(text));
    services_.pump().processPendingEvents();
}

void NameGenerator::Command1_Click() {
    DisableControls();
    CreatedCount = 0;
    // Every run starts from an empty list, so the file, the list and the
    // main window's last position all hold this run's names alone.
    List1.clear();
    const std::string base = text1.text();
    const CombineOptions options{Ticked(chkAdd[kPrefixes]), Ticked(chkAdd[kSuffixes]),
                                 Ticked(chkAdd[kHyphens]), TickedExtensions()};
    const std::string appends = ReadWholeFile(AppendsFile()).value_or(std::string());
    std::vector<std::string> made;
    for (const std::string_view line : text::splitLines(appends)) {
        if (!IsAppendEntry(line)) continue;
        CombineWord(base, line, options, made);
        if (static_cast<std::int32_t>(made.size()) >= kProgressEvery) {
            CreatedCount += static_cast<std::int32_t>(made.size());
            List1.addItems(std::exchange(made, {}));
            ShowStatus("Creating Domains - Created " + std::to_string(CreatedCount) + " so far...");
        }
    }
    CreatedCount += static_cast<std::int32_t>(made.size());
    List1.addItems(std::move(made));
    const std::string count = std::to_string(CreatedCount);
    ShowStatus("Created " + count + " domains...  Sorting...");
    std::string bytes;
    for (const std::string& name : List1.items()) bytes.append(name).append("\r\n\r\n");
    if (!WriteFileReplacing(CreatedFile(), bytes)) {
        // Without the file the main window would look up an older list.
        txtStatus.setText("Created " + count + " domains...  CreatedDomains.txt could not be written.");
        EnableControls();
        return;
    }
    if (hooks_.setListBounds) hooks_.setListBounds(CreatedCount);
    txtStatus.setText("Created " + count + " domains...  Search Started");
    EnableControls();
    services_.pump().processPendingEvents();
    if (hooks_.startSearch) hooks_.startSearch();
}

void NameGenerator::DisableControls() {
    SetInputsEnabled(false);
}

void NameGenerator::EnableControls() {
    SetInputsEnabled(true);
}

void NameGenerator::SetInputsEnabled(bool enabled) {
    for (CheckBox& box : chkExt) box.setEnabled(enabled);
    for (CheckBox& box : chkAdd) box.setEnabled(enabled);
    for (Control* control : std::initializer_list<Control*>{&txtCustom, &text1, &Text2, &Command1, &Command2,
                                                            &cmdAdd, &cmdSub}) {
        control->setEnabled(enabled);
    }
}

}  // namespace quillmark::generator
