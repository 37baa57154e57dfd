// Acting on one listed name, and the menus that open other windows.
#include "engine/Form1.h"
#include "engine/xurlEncode.h"

namespace quillmark {

namespace {

template <typename... Args, typename Hook>
void call(const Hook& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}

}  // namespace

void Form1::List_DblClick(int list) {
    if (list < 1 || list > 5) return;
    OpenListedName(ResultList(list).text());
}

void Form1::OpenListedName(std::string_view name) {
    state_.SelectedName = std::string(name);
    if (state_.Constants.PurchaseOnDblClick) {
        // The name stays one query value, whatever it holds.
        call(hooks_.openWebsite,
             std::optional<std::string>(state_.Constants.PurchaseAddress +
                                        xurlEncode::EncodeQueryValue(state_.SelectedName, false)));
    } else {
        call(hooks_.openWhois, state_.SelectedName);
    }
}

void Form1::mnuFileItem_Click() {
    call(hooks_.closeMainWindow);
}

void Form1::mnuToolsItem_Click(int index) {
    if (index < 0 || index >= Combo1.listCount()) return;
    Combo1.setListIndex(index);
    Combo1_Click();
}

void Form1::mnuOptionsItem_Click() {
    call(hooks_.showSettings);
}

void Form1::cmdSetup_Click() {
    call(hooks_.showSettings);
}

void Form1::mnuHelpItem_Click(int index) {
    if (index == 0) call(hooks_.showHelp);
}

void Form1::mnuAboutItem_Click() {
    call(hooks_.showAbout);
}

void Form1::cmdCreate_Click() {
    call(hooks_.showListBuilder);
}

void Form1::cmdWebsite_Click() {
    state_.WebsiteMode = "Website";
    call(hooks_.openWebsite, std::optional<std::string>());
}

}  // namespace quillmark
