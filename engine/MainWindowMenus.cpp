// Acting on one listed name, and the menus that open other windows.
#include "engine/MainWindow.h"
#include "platform/Hook.h"

namespace quillmark {

void MainWindow::ListDoubleClicked(ResultList list) {
    if (static_cast<int>(list) < 1 || static_cast<int>(list) > 5) return;
    OpenListedName(ListOf(list).text());
}

void MainWindow::OpenListedName(std::string_view name) {
    state_.selectedName = std::string(name);
    call(hooks_.openWebsite,
         std::optional<std::string>(program::PurchaseAddressFor(state_.identity, state_.selectedName)));
}

void MainWindow::WhoisMenu(std::optional<ResultList> list) {
    if (!list || static_cast<int>(*list) < 1 || static_cast<int>(*list) > 5) return;
    const std::string name = ListOf(*list).text();
    if (name.empty()) return;
    state_.selectedName = name;
    call(hooks_.openWhois, state_.selectedName);
}

void MainWindow::FileMenuExit() {
    call(hooks_.closeMainWindow);
}

void MainWindow::ToolsMenu(int index) {
    if (index < 0 || index >= searchType.listCount()) return;
    searchType.setListIndex(index);
    ChooseSearchType();
}

void MainWindow::OptionsMenu() {
    call(hooks_.showSettings);
}

void MainWindow::ShowUnchecked() {
    call(hooks_.showUnchecked);
}

void MainWindow::OpenSetup() {
    call(hooks_.showSettings);
}

void MainWindow::HelpMenu(int index) {
    if (index == 0) call(hooks_.showHelp);
}

void MainWindow::AboutMenu() {
    call(hooks_.showAbout);
}

void MainWindow::Search() {
    call(hooks_.showListBuilder);
}

void MainWindow::VisitWebsite() {
    state_.websiteMode = true;
    call(hooks_.openWebsite, std::optional<std::string>());
}

}  // namespace quillmark
