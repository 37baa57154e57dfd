// The name sources of the main window and the list cursor.
#include "engine/MainWindow.h"
#include "platform/Text.h"

namespace quillmark {

namespace {

struct WordList {
    std::string_view item;
    std::string_view file;
    SettingKey resumeKey;
};

constexpr std::array kWordLists = {
    WordList{"Full Word List", "\\Wordlists\\FullWordList.txt", SettingKey::FullWordNum},
    WordList{"All Two Letter", "\\Wordlists\\AllTwoLetter.txt", SettingKey::TwoWordNum},
    WordList{"All Three Letter", "\\Wordlists\\AllThreeLetter.txt", SettingKey::ThreeWordNum},
    WordList{"All Four Letter", "\\Wordlists\\AllFourLetter.txt", SettingKey::FourWordNum},
};

void setVisible(const std::array<Control*, 5>& controls, bool visible) {
    for (Control* control : controls) control->setVisible(visible);
}

}  // namespace

void MainWindow::Combo1_Click() {
    const std::string& item = Combo1.text();
    for (const WordList& list : kWordLists) {
        if (item == list.item) return SetUpWordList(list.file, list.resumeKey);
    }
    if (item == "Custom List") return SetUpCustomList();
    if (item == "Yahoo Search" || item == "Google Search") return SetUpSearchSource();
    if (item == "Generate names") return SetUpGeneratedList();
    if (item == "Browse for names") {
        HideListControls();
        HideSearchControls();
        if (hooks_.showBrowseWindow) hooks_.showBrowseWindow();
    }
}

void MainWindow::SetUpWordList(std::string_view file, SettingKey resumeKey) {
    HideSearchControls();
    ShowListControls();
    ListFile = state_.ProgramFolder.file(file).string();
    txtWordMax.setText(std::to_string(CountListEntries()));
    EnableListRun();
    SetWordNum(std::to_string(settings_.number(resumeKey)));
}

void MainWindow::SetUpCustomList() {
    HideSearchControls();
    ShowListControls();
    FileDialogRequest request;
    request.title = "Open";
    request.startFolder = state_.ProgramFolder.folder("\\wordlists").string();
    request.filter = "Text files (*.txt)|*.txt";
    ListFile = services_.dialogs().openFile(request).value_or(std::string());
    txtWordMax.setText(std::to_string(CountListEntries()));
    EnableListRun();
    SetWordNum("1");
}

void MainWindow::EnableListRun() {
    cmdDoSearch.setEnabled(true);
    Command3.setEnabled(false);
    txtSearch.setEnabled(false);
    Combo2.setEnabled(false);
    cmdCreate.setEnabled(false);
    txtWordNum.setEnabled(true);
}

void MainWindow::SetUpSearchSource() {
    HideListControls();
    ShowSearchControls();
    ListFile = state_.ProgramFolder.file("\\BrowserSearch.txt").string();
    cmdDoSearch.setEnabled(true);
    Command3.setEnabled(false);
    txtSearch.setEnabled(true);
    Combo2.setEnabled(true);
    cmdCreate.setEnabled(!txtSearch.text().empty());
    txtWordNum.setEnabled(true);
    SetWordNum("1");
}

void MainWindow::SetUpGeneratedList() {
    HideListControls();
    HideSearchControls();
    ListFile = state_.ProgramFolder.file("\\CreatedDomains.txt").string();
    cmdDoSearch.setEnabled(true);
    Command3.setEnabled(false);
    txtWordNum.setEnabled(true);
    SetWordNum("1");
    if (hooks_.showGenerator) hooks_.showGenerator();
}

void MainWindow::SetWordNum(std::string text) {
    if (text == txtWordNum.text()) return;
    txtWordNum.setText(std::move(text));
    txtWordNum_Change();
}

// A start number at or past the end of the list starts the list again.
void MainWindow::txtWordNum_Change() {
    if (WholeNumberOrOne(txtWordNum.text()) >= WholeNumberOrOne(txtWordMax.text())) SetWordNum("1");
}

void MainWindow::txtSearch_Change() {
    cmdCreate.setEnabled(!txtSearch.text().empty());
}

std::int32_t MainWindow::WholeNumberOrOne(std::string_view text) {
    return text::parseInt32(text).value_or(1);
}

std::int32_t MainWindow::CountListEntries() {
    reader_.setFile(ListFile);
    return reader_.CountListEntries();
}

std::string MainWindow::ReadNameAt(std::int32_t n) {
    if (reader_.file() != ListFile) reader_.setFile(ListFile);
    return reader_.ReadNameAt(n);
}

void MainWindow::ShowListControls() {
    setVisible(ListControls(), true);
}
void MainWindow::HideListControls() {
    setVisible(ListControls(), false);
}
void MainWindow::ShowSearchControls() {
    setVisible(SearchControls(), true);
}
void MainWindow::HideSearchControls() {
    setVisible(SearchControls(), false);
}

}  // namespace quillmark
