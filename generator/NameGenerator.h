#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Files.h"
#include "platform/ListBox.h"
#include "platform/Services.h"
#include "platform/SettingsKeys.h"
#include "program/ProductIdentity.h"

namespace quillmark::generator {

// What the generator asks of the windows around it. Each hook may be left
// empty; the window then does without that step.
struct GeneratorHooks {
    std::function<void()> applySkin;
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
    static constexpr int kEnterKey = 13;
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

    void Form_Load();

    // The generation run.
    void Command1_Click();
    void text1_KeyPress(int keyAscii);

    // Options, stored the moment they change.
    void chkExt_Click(int index);
    void chkAdd_Click(int index);
    void text1_Change();
    void txtCustom_Change();

    // The appends list and the saved copy.
    void cmdAdd_Click();
    void Text2_KeyPress(int keyAscii);
    void cmdSub_Click();
    void Command2_Click();

    // Controls.
    Window Me{"Domain Name Creator"};
    Label Label1{"Base Word:"};
    TextBox text1;
    std::array<CheckBox, kExtensionBoxes> chkExt;
    TextBox txtCustom;
    std::array<CheckBox, kOptionBoxes> chkAdd;
    Button Command1{"Start Generator"};
    Frame Frame1{"Prefixes/Suffixes"};
    Label Label2{"Prefix/Suffix:"};
    ListBox List2;
    TextBox Text2;
    Button cmdAdd{"Add"};
    Button cmdSub{"Del"};
    Frame Frame2{"Generated Domains"};
    ListBox List1;
    Button Command2{"Save Domains As..."};
    TextBox txtStatus;

    // Names made by the latest run.
    std::int32_t CreatedCount = 0;

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
