#include "generator/NameGenerator.h"

#include <algorithm>
#include <unordered_set>

#include "generator/NameCombiner.h"
#include "harvest/HostNames.h"
#include "platform/Hook.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark::generator {

namespace {

constexpr std::array<std::string_view, NameGenerator::kExtensionBoxes> kExtensionCaptions{
    ".COM", ".NET", ".ORG", ".BIZ", ".INFO", ".NAME", ".AERO", ".COOP", "Custom Extension:"};
constexpr std::array<std::string_view, NameGenerator::kOptionBoxes> kOptionCaptions{"Prefixes", "Suffixes",
                                                                                    "Hyphens"};

// Of the names from `from` on, keeps those that can be looked up and were not made before.
void KeepNewHostNames(std::vector<std::string>& names, std::size_t from,
                      std::unordered_set<std::string>& made) {
    const auto kept = std::remove_if(
        names.begin() + static_cast<std::ptrdiff_t>(from), names.end(), [&](const std::string& name) {
            return !harvest::IsHostName(name) || !made.insert(text::toLower(name)).second;
        });
    names.erase(kept, names.end());
}

}  // namespace

std::string BaseWordProblem(std::string_view base) {
    if (base.find_first_not_of(' ') != std::string_view::npos) return {};
    return "Type a base word first: every name is made from it.";
}

NameGenerator::NameGenerator(Services& services, const ProgramFolder& folder,
                             const program::ProductIdentity& constants, GeneratorHooks hooks)
    : services_(services),
      folder_(folder),
      constants_(constants),
      hooks_(std::move(hooks)),
      settings_(services.settings()) {
    SetUpControls();
}

void NameGenerator::SetUpControls() {
    baseWord.setToolTip("This word will appear in every domain created.");
    for (std::size_t i = 0; i < extensionBoxes.size(); ++i)
        extensionBoxes[i].setCaption(std::string(kExtensionCaptions[i]));
    for (std::size_t i = 0; i < formBoxes.size(); ++i)
        formBoxes[i].setCaption(std::string(kOptionCaptions[i]));
    customExtension.setText(".co.uk");
    startButton.setToolTip("Once you have a base word, click here to create your list!");
    saveAsButton.setToolTip("Save your list as a text file.");
    addButton.setToolTip("Add your word.");
    removeButton.setToolTip("Remove the selected word.");
    statusText.setText("Status...");
}

std::filesystem::path NameGenerator::AppendsFile() const {
    return folder_.file(files::kAppends);
}

std::filesystem::path NameGenerator::CreatedFile() const {
    return folder_.file(files::kCreatedDomains);
}

void NameGenerator::Load() {
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
        extensionBoxes[static_cast<std::size_t>(n)].setValue(state(SettingKey::chkExt, n));
    for (int n = 0; n < kOptionBoxes; ++n)
        formBoxes[static_cast<std::size_t>(n)].setValue(state(SettingKey::chkAdd, n));
    baseWord.setText(settings_.text(SettingKey::txtMake));
    customExtension.setText(settings_.text(SettingKey::txtCustom));
}

// --- options -------------------------------------------------------------------

void NameGenerator::ExtensionTicked(int index) {
    if (index < 0 || index >= kExtensionBoxes) return;
    settings_.save(SettingKey::chkExt, extensionBoxes[static_cast<std::size_t>(index)].value(), index);
}

void NameGenerator::FormTicked(int index) {
    if (index < 0 || index >= kOptionBoxes) return;
    settings_.save(SettingKey::chkAdd, formBoxes[static_cast<std::size_t>(index)].value(), index);
}

void NameGenerator::BaseWordChanged() {
    settings_.save(SettingKey::txtMake, baseWord.text());
}

void NameGenerator::CustomExtensionChanged() {
    settings_.save(SettingKey::txtCustom, customExtension.text());
}

// --- the generation run --------------------------------------------------------

void NameGenerator::BaseWordKeyPress(int keyAscii) {
    if (keyAscii == key::kEnter) Generate();
}

std::vector<std::string> NameGenerator::TickedExtensions() const {
    std::vector<std::string> extensions;
    for (std::size_t i = 0; i < extensionBoxes.size(); ++i) {
        if (!Ticked(extensionBoxes[i])) continue;
        const std::string& text = i == kCustomBox ? customExtension.text() : extensionBoxes[i].caption();
        extensions.push_back(text::toLower(text));
    }
    return extensions;
}

void NameGenerator::ShowStatus(std::string text) {
    statusText.setText(std::move(text));
    services_.pump().processPendingEvents();
}

void NameGenerator::Generate() {
    if (const std::string problem = BaseWordProblem(baseWord.text()); !problem.empty()) {
        services_.messages().show(problem, constants_.ProductName);
        return;
    }
    DisableControls();
    createdCount = 0;
    // Every run starts from an empty list, so the file, the list and the
    // main window's last position all hold this run's names alone.
    generated.clear();
    const std::string base = baseWord.text();
    const CombineOptions options{Ticked(formBoxes[kPrefixes]), Ticked(formBoxes[kSuffixes]),
                                 Ticked(formBoxes[kHyphens]), TickedExtensions()};
    const std::string appends = ReadWholeFile(AppendsFile()).value_or(std::string());
    std::vector<std::string> made;
    std::unordered_set<std::string> madeBefore;
    for (const std::string_view line : text::splitLines(appends)) {
        if (!IsAppendEntry(line)) continue;
        const std::size_t from = made.size();
        CombineWord(base, line, options, made);
        KeepNewHostNames(made, from, madeBefore);
        if (static_cast<std::int32_t>(made.size()) >= kProgressEvery) {
            createdCount += static_cast<std::int32_t>(made.size());
            generated.addItems(std::exchange(made, {}));
            ShowStatus("Creating Domains - Created " + std::to_string(createdCount) + " so far...");
        }
    }
    createdCount += static_cast<std::int32_t>(made.size());
    generated.addItems(std::move(made));
    const std::string count = std::to_string(createdCount);
    ShowStatus("Created " + count + " domains...  Sorting...");
    std::string bytes;
    for (const std::string& name : generated.items()) bytes.append(name).append("\r\n\r\n");
    if (!WriteFileReplacing(CreatedFile(), bytes)) {
        // Without the file the main window would look up an older list.
        statusText.setText("Created " + count + " domains...  CreatedDomains.txt could not be written.");
        EnableControls();
        return;
    }
    call(hooks_.setListBounds, createdCount);
    statusText.setText("Created " + count + " domains..." + (hooks_.startSearch ? "  Search Started" : ""));
    EnableControls();
    services_.pump().processPendingEvents();
    call(hooks_.startSearch);
}

void NameGenerator::DisableControls() {
    SetInputsEnabled(false);
}

void NameGenerator::EnableControls() {
    SetInputsEnabled(true);
}

void NameGenerator::SetInputsEnabled(bool enabled) {
    for (CheckBox& box : extensionBoxes) box.setEnabled(enabled);
    for (CheckBox& box : formBoxes) box.setEnabled(enabled);
    for (Control* control :
         std::initializer_list<Control*>{&customExtension, &baseWord, &appendWord, &startButton,
                                         &saveAsButton, &addButton, &removeButton}) {
        control->setEnabled(enabled);
    }
}

}  // namespace quillmark::generator
