#include <gtest/gtest.h>

#include <QKeySequence>
#include <QListView>
#include <QTest>
#include <functional>
#include <map>
#include <sstream>

#include "platform/qt/Bindings.h"
#include "support/ModelComplaints.h"

namespace {

using quillmark::ListBox;
using Rows = std::vector<int>;
using Names = std::vector<std::string>;

// A shown list bound to a ListBox of five names, logging the handlers it
// calls as "click", "double" or the key, after "S-" or "C-" for Shift or
// Control held.
struct BoundList {
    explicit BoundList(bool multiSelect) {
        state.setMultiSelect(multiSelect);
        state.setItems({"a", "b", "c", "d", "e"});
        quillmark::qt::ListBoxCallbacks callbacks;
        callbacks.onClick = [this] { note("click"); };
        callbacks.onDoubleClick = [this] { note("double"); };
        callbacks.onKeyDown = [this](int key, bool shift, bool ctrl) {
            note((shift ? "S-" : "") + std::string(ctrl ? "C-" : "") +
                 QKeySequence(key).toString().toStdString());
        };
        quillmark::qt::bind(state, &view, callbacks);
        view.show();
    }

    void note(const std::string& call) { log += (log.empty() ? "" : " ") + call; }
    std::string rows() const {
        std::string all;
        for (int n = 0; n < view.model()->rowCount(); ++n)
            all += view.model()->index(n, 0).data().toString().toStdString();
        return all;
    }
    Rows viewSelection() const {
        Rows selected;
        for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
            selected.push_back(index.row());
        std::sort(selected.begin(), selected.end());
        return selected;
    }
    void mouse(int row, Qt::KeyboardModifiers modifiers, bool twice = false) {
        const QPoint at = view.visualRect(view.model()->index(row, 0)).center();
        twice ? QTest::mouseDClick(view.viewport(), Qt::LeftButton, modifiers, at)
              : QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, at);
    }
    void focus() {
        view.clearFocus();
        view.setFocus(Qt::TabFocusReason);
    }
    // Steps such as "click 2, ctrl 3, key Down, current 4, remove 0", each
    // followed by its queued work (selection shown, click told).
    void run(const std::string& script) {
        using Step = std::function<void(BoundList&, int n, const std::string& key)>;
        static const std::map<std::string, Step> steps = {
            {"click", [](auto& l, int row, auto&) { l.mouse(row, {}); }},
            {"ctrl", [](auto& l, int row, auto&) { l.mouse(row, Qt::ControlModifier); }},
            {"shift", [](auto& l, int row, auto&) { l.mouse(row, Qt::ShiftModifier); }},
            {"double", [](auto& l, int row, auto&) { l.mouse(row, {}, true); }},
            {"focus", [](auto& l, int, auto&) { l.focus(); }},
            {"key", [](auto& l, int, auto& key) { QTest::keySequence(&l.view, QKeySequence(key.c_str())); }},
            {"current", [](auto& l, int row, auto&) { l.state.setListIndex(row); }},
            {"select", [](auto& l, int row, auto&) { l.state.setSelected(row, true); }},
            {"insert", [](auto& l, int row, auto&) { l.state.insertItem(row, "z"); }},
            {"remove", [](auto& l, int row, auto&) { l.state.removeItem(row); }},
            {"add", [](auto& l, int count, auto&) { l.state.addItems(Names(count, "y")); }},
            {"set", [](auto& l, int count, auto&) { l.state.setItems(Names(count, "x")); }},
            {"multi", [](auto& l, int, auto&) { l.state.setMultiSelect(true); }},
            {"disable", [](auto& l, int, auto&) { l.state.setEnabled(false); }},
            {"tip", [](auto& l, int, auto&) { l.state.setToolTip("Names found free"); }},
        };
        std::istringstream text(script);
        for (std::string step; std::getline(text, step, ','); QTest::qWait(50)) {
            std::string word, argument;
            std::istringstream(step) >> word >> argument;
            steps.at(word)(*this, std::isdigit(argument[0]) || argument[0] == '-' ? std::stoi(argument) : 0,
                           argument);
        }
    }

    ListBox state;
    QListView view;
    std::string log;
};

// Whatever the user or the program does, state and view end up agreeing,
// and only the user's actions reach the handlers, once per action.
TEST(ListBoxModelTest, StateAndViewAgreeAfterEachAction) {
    const struct {
        const char* script;
        bool multiSelect;
        const char* rows;
        int current;
        Rows selected;
        const char* log;
    } cases[] = {
        {"insert 0, insert 3, remove 2", false, "zazcde", -1, {}, ""},
        {"add 1, add 2", false, "abcdeyyy", -1, {}, ""},
        {"set 2", false, "xx", -1, {}, ""},
        // Focus alone chooses nothing.
        {"focus, key Down", false, "abcde", 0, {0}, "Down click"},
        {"click 2, key Down", false, "abcde", 3, {3}, "click Down click"},
        // Current, though no longer selected.
        {"click 1, ctrl 3, ctrl 3", true, "abcde", 3, {1}, "click click click"},
        {"click 1, ctrl 3, ctrl 3, shift 4", true, "abcde", 4, {1, 3, 4}, "click click click click"},
        {"click 1, double 1", false, "abcde", 1, {1}, "click double"},
        // Modifier keys are keys too; the others carry the modifiers held.
        {"click 0, key Shift+Del, key Ctrl+C", false, "abcde", 0, {0}, "click S-Shift S-Del C-Control C-C"},
        {"current 4, current -1", false, "abcde", -1, {}, ""},
        {"multi, select 0, select 1, select 3, select 4", false, "abcde", -1, {0, 1, 3, 4}, ""},
        // Qt would move the current row to a neighbour.
        {"current 2, remove 2", false, "abde", -1, {}, ""},
        {"current 3, remove 0", false, "bcde", 2, {2}, ""},
        {"tip, disable", false, "abcde", -1, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        BoundList list(c.multiSelect);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list.view));
        quillmark::testing::ModelComplaints complaints(list.view.model());
        list.run(c.script);
        EXPECT_EQ(list.rows(), c.rows);
        EXPECT_EQ(list.state.listIndex(), c.current);
        EXPECT_EQ(list.view.currentIndex().row(), c.current);
        EXPECT_EQ(list.state.selectedIndices(), c.selected);
        EXPECT_EQ(list.viewSelection(), c.selected);
        EXPECT_EQ(list.log, c.log);
        EXPECT_EQ(list.view.selectionMode(), list.state.multiSelect() ? QAbstractItemView::ExtendedSelection
                                                                      : QAbstractItemView::SingleSelection);
        EXPECT_EQ(list.view.isEnabled(), list.state.enabled());
        EXPECT_EQ(list.view.toolTip().toStdString(), list.state.toolTip());
        EXPECT_EQ(complaints.messages(), std::vector<std::string>{});
    }
}

}  // namespace
