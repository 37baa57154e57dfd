#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Files.h"
#include "platform/Keys.h"
#include "platform/ListBox.h"
#include "platform/Services.h"
#include "platform/SettingsKeys.h"
#include "program/ProductIdentity.h"

namespace quillmark::generator {

// Why a base word cannot be used, or empty when it can: every name is made
// from it, so one without a letter or digit (empty, or spaces only) is refused.
std::string BaseWordProblem(std::string_view base);

// What the generator asks of the windows around it. Each hook may be left
// empty; the window then does without that step.
struct GeneratorHooks {
    // The run's names are in CreatedDomains.txt: the main window's run is to
    // cover positions 1 to count of it.
    std::function<void(std::int32_t count)> setListBounds;
    std::function<void()> startSearch;
};

// The generator "Domain Name Creator": combines a base word with the words of
// the appends list and the ticked extensions, writes the names to
// CreatedDomains.txt and starts the main window's run over them. Draws
// nothing; a view shows it.
class NameGenerator {
public:
    static constexpr int kExtensionBoxes = 9;
    static constexpr int kCustomBox = 8;
    static constexpr int kOptionBoxes = 3;
    static constexpr int kPrefixes = 0;
    static constexpr int kSuffixes = 1;
    static constexpr int kHyphens = 2;
    // Progress is shown after an append word once this many names are new.
    static constexpr std::int32_t kProgressEvery = 1000;

    NameGenerator(Services& services, const ProgramFolder& folder, const program::ProductIdentity& constants,
                  GeneratorHooks hooks = {});

    void Load();

    // The generation run. Only host names come out (IsHostName), each once
    // whatever its letter case; a base word with a problem makes none and
    // says why in a message box.
    void Generate();
    void BaseWordKeyPress(int keyAscii);

    // Options, stored the moment they change.
    void ExtensionTicked(int index);
    void FormTicked(int index);
    void BaseWordChanged();
    void CustomExtensionChanged();

    // The appends list and the saved copy.
    void AddAppendWord();
    void AppendWordKeyPress(int keyAscii);
    void RemoveAppendWord();
    void SaveAs();

    // Controls.
    Window window{"Domain Name Creator"};
    Label baseWordLabel{"Base Word:"};
    TextBox baseWord;
    std::array<CheckBox, kExtensionBoxes> extensionBoxes;
    TextBox customExtension;
    std::array<CheckBox, kOptionBoxes> formBoxes;
    Button startButton{"Start Generator"};
    Frame appendsFrame{"Prefixes/Suffixes"};
    Label appendWordLabel{"Prefix/Suffix:"};
    ListBox appendWords;
    TextBox appendWord;
    Button addButton{"Add"};
    Button removeButton{"Del"};
    Frame generatedFrame{"Generated Domains"};
    ListBox generated;
    Button saveAsButton{"Save Domains As..."};
    TextBox statusText;

    // Names made by the latest run.
    std::int32_t createdCount = 0;

private:
    void SetUpControls();
    void DisableControls();
    void EnableControls();
    void SetInputsEnabled(bool enabled);
    void LoadAppends();
    void LoadOptions();
    std::vector<std::string> TickedExtensions() const;
    bool Ticked(const CheckBox& box) const { return box.value() == 1; }
    std::filesystem::path AppendsFile() const;
    std::filesystem::path CreatedFile() const;
    void ShowStatus(std::string text);

    Services& services_;
    const ProgramFolder& folder_;
    const program::ProductIdentity& constants_;
    GeneratorHooks hooks_;
    Settings settings_;
};

}  // namespace quillmark::generator
