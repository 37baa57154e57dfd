// Acting on one listed name, and the menus that open other windows.
#include "engine/MainWindow.h"
#include "engine/PercentCoding.h"

namespace quillmark {

namespace {

template <typename... Args, typename Hook>
void call(const Hook& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}

}  // namespace

void MainWindow::List_DblClick(int list) {
    if (list < 1 || list > 5) return;
    OpenListedName(ResultList(list).text());
}

void MainWindow::OpenListedName(std::string_view name) {
    state_.SelectedName = std::string(name);
    if (state_.Constants.PurchaseOnDblClick) {
        // The name stays one query value, whatever it holds.
        call(hooks_.openWebsite,
             std::optional<std::string>(state_.Constants.PurchaseAddress +
                                        names::EncodeQueryValue(state_.SelectedName, false)));
    } else {
        call(hooks_.openWhois, state_.SelectedName);
    }
}

void MainWindow::mnuFileItem_Click() {
    call(hooks_.closeMainWindow);
}

void MainWindow::mnuToolsItem_Click(int index) {
    if (index < 0 || index >= Combo1.listCount()) return;
    Combo1.setListIndex(index);
    Combo1_Click();
}

void MainWindow::mnuOptionsItem_Click() {
    call(hooks_.showSettings);
}

void MainWindow::cmdSetup_Click() {
    call(hooks_.showSettings);
}

void MainWindow::mnuHelpItem_Click(int index) {
    if (index == 0) call(hooks_.showHelp);
}

void MainWindow::mnuAboutItem_Click() {
    call(hooks_.showAbout);
}

void MainWindow::cmdCreate_Click() {
    call(hooks_.showListBuilder);
}

void MainWindow::cmdWebsite_Click() {
    state_.WebsiteMode = "Website";
    call(hooks_.openWebsite, std::optional<std::string>());
}

}  // namespace quillmark
