// The name sources of the main window and the list cursor.
#include "engine/MainWindow.h"
#include "engine/SearchTypes.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark {

namespace {

void setVisible(const std::array<Control*, 5>& controls, bool visible) {
    for (Control* control : controls) control->setVisible(visible);
}

}  // namespace

void MainWindow::ChooseSearchType() {
    const SearchTypeRow* chosen = FindSearchType(searchType.text());
    if (chosen == nullptr) return;
    switch (chosen->type) {
        case SearchType::FullWordList:
        case SearchType::AllTwoLetter:
        case SearchType::AllThreeLetter:
        case SearchType::AllFourLetter:
            return SetUpWordList(chosen->wordList, *chosen->resumeKey);
        case SearchType::CustomList:
            return SetUpCustomList();
        case SearchType::Unchecked:
            return SetUpUncheckedList();
        case SearchType::Yahoo:
        case SearchType::Google:
            return SetUpSearchSource();
        case SearchType::Generate:
            return SetUpGeneratedList();
        case SearchType::Browse:
            HideListControls();
            HideSearchControls();
            if (hooks_.showBrowseWindow) hooks_.showBrowseWindow();
            return;
    }
}

void MainWindow::SetUpWordList(std::string_view file, SettingKey resumeKey) {
    HideSearchControls();
    ShowListControls();
    listFile = state_.programFolder.file(file).string();
    listSize.setText(std::to_string(CountListEntries()));
    EnableListRun();
    const auto open = StoredOpenNames();
    SetStartNumber(std::to_string(open ? open->positions.front() : settings_.number(resumeKey)));
}

// Always from the first name: the names that get a verdict leave the list.
void MainWindow::SetUpUncheckedList() {
    HideSearchControls();
    ShowListControls();
    uncheckedNames.Save();
    listFile = state_.programFolder.file(files::kUnchecked).string();
    listSize.setText(std::to_string(CountListEntries()));
    EnableListRun();
    SetStartNumber("1");
}

void MainWindow::SetUpCustomList() {
    HideSearchControls();
    ShowListControls();
    FileDialogRequest request;
    request.title = "Open";
    request.startFolder = state_.programFolder.folder(files::kWordLists).string();
    request.filter = "Text files (*.txt)|*.txt";
    listFile = services_.dialogs().openFile(request).value_or(std::string());
    listSize.setText(std::to_string(CountListEntries()));
    EnableListRun();
    // The list a stopped or killed run left goes on where it was.
    const auto open = StoredOpenNames();
    SetStartNumber(open ? std::to_string(open->positions.front()) : "1");
}

void MainWindow::EnableListRun() {
    startButton.setEnabled(true);
    stopButton.setEnabled(false);
    searchText.setEnabled(false);
    searchSize.setEnabled(false);
    searchButton.setEnabled(false);
    startNumber.setEnabled(true);
}

void MainWindow::SetUpSearchSource() {
    HideListControls();
    ShowSearchControls();
    listFile = state_.programFolder.file(files::kBrowserSearch).string();
    startButton.setEnabled(true);
    stopButton.setEnabled(false);
    searchText.setEnabled(true);
    searchSize.setEnabled(true);
    searchButton.setEnabled(!searchText.text().empty());
    startNumber.setEnabled(true);
    SetStartNumber("1");
}

void MainWindow::SetUpGeneratedList() {
    HideListControls();
    HideSearchControls();
    listFile = state_.programFolder.file(files::kCreatedDomains).string();
    startButton.setEnabled(true);
    stopButton.setEnabled(false);
    startNumber.setEnabled(true);
    SetStartNumber("1");
    if (hooks_.showGenerator) hooks_.showGenerator();
}

void MainWindow::SetStartNumber(std::string text) {
    if (text == startNumber.text()) return;
    startNumber.setText(std::move(text));
    StartNumberChanged();
}

// A start number at or past the end of the list starts the list again.
void MainWindow::StartNumberChanged() {
    if (WholeNumberOrOne(startNumber.text()) >= WholeNumberOrOne(listSize.text())) SetStartNumber("1");
}

void MainWindow::SearchTextChanged() {
    searchButton.setEnabled(!searchText.text().empty());
}

std::int32_t MainWindow::WholeNumberOrOne(std::string_view text) {
    return text::parseInt32(text).value_or(1);
}

std::int32_t MainWindow::CountListEntries() {
    reader_.setFile(listFile);
    return reader_.CountListEntries();
}

std::string MainWindow::ReadNameAt(std::int32_t n) {
    if (reader_.file() != listFile) reader_.setFile(listFile);
    return reader_.ReadNameAt(n);
}

void MainWindow::ShowListControls() {
    setVisible(ListSourceControls(), true);
}
void MainWindow::HideListControls() {
    setVisible(ListSourceControls(), false);
}
void MainWindow::ShowSearchControls() {
    setVisible(SearchSourceControls(), true);
}
void MainWindow::HideSearchControls() {
    setVisible(SearchSourceControls(), false);
}

}  // namespace quillmark
