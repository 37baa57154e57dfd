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

// A shown list bound to a ListBox of five names, logging the handlers it
// calls as "click", "double" or the key with the modifiers held.
struct BoundList {
    explicit BoundList(bool multiSelect) {
        state.setMultiSelect(multiSelect);
        state.setItems({"a", "b", "c", "d", "e"});
        quillmark::qt::ListBoxCallbacks callbacks;
        callbacks.onClick = [this] { note("click"); };
        callbacks.onDoubleClick = [this] { note("double"); };
        callbacks.onKeyDown = [this](int key, bool shift, bool ctrl) {
            note(QKeySequence(key).toString().toStdString() + (shift ? "+shift" : "") +
                 (ctrl ? "+ctrl" : ""));
        };
        quillmark::qt::bind(state, &view, callbacks);
        view.show();
        exposed = QTest::qWaitForWindowExposed(&view);
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
            {"click", [](BoundList& l, int row, auto&) { l.mouse(row, {}); }},
            {"ctrl", [](BoundList& l, int row, auto&) { l.mouse(row, Qt::ControlModifier); }},
            {"shift", [](BoundList& l, int row, auto&) { l.mouse(row, Qt::ShiftModifier); }},
            {"double", [](BoundList& l, int row, auto&) { l.mouse(row, {}, true); }},
            {"focus", [](BoundList& l, int, auto&) { l.focus(); }},
            {"key",
             [](BoundList& l, int, auto& key) { QTest::keySequence(&l.view, QKeySequence(key.c_str())); }},
            {"current", [](BoundList& l, int row, auto&) { l.state.setListIndex(row); }},
            {"select", [](BoundList& l, int row, auto&) { l.state.setSelected(row, true); }},
            {"insert", [](BoundList& l, int row, auto&) { l.state.insertItem(row, "z"); }},
            {"remove", [](BoundList& l, int row, auto&) { l.state.removeItem(row); }},
            {"add",
             [](BoundList& l, int count, auto&) { l.state.addItems(std::vector<std::string>(count, "y")); }},
            {"set",
             [](BoundList& l, int count, auto&) { l.state.setItems(std::vector<std::string>(count, "x")); }},
            {"multi", [](BoundList& l, int, auto&) { l.state.setMultiSelect(true); }},
            {"disable", [](BoundList& l, int, auto&) { l.state.setEnabled(false); }},
            {"tip", [](BoundList& l, int, auto&) { l.state.setToolTip("Names found free"); }},
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
    bool exposed = false;
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
        {"set 0", false, "", -1, {}, ""},
        {"focus, key Down", false, "abcde", 0, {0}, "Down click"},  // focus alone chooses nothing
        {"click 2, key Down", false, "abcde", 3, {3}, "click Down click"},
        {"click 1, ctrl 3, ctrl 3", true, "abcde", 3, {1}, "click click click"},  // current, though not
                                                                                  // selected
        {"click 1, ctrl 3, ctrl 3, shift 4", true, "abcde", 4, {1, 3, 4}, "click click click click"},
        {"click 1, double 1", false, "abcde", 1, {1}, "click double"},
        // Modifier keys are keys too; the others carry the modifiers held.
        {"click 0, key Shift+Del, key Ctrl+C",
         false,
         "abcde",
         0,
         {0},
         "click Shift+shift Del+shift Control+ctrl C+ctrl"},
        {"current 4, current -1", false, "abcde", -1, {}, ""},
        {"multi, select 0, select 1, select 3, select 4", false, "abcde", -1, {0, 1, 3, 4}, ""},
        {"current 2, remove 2", false, "abde", -1, {}, ""},  // Qt would move to a neighbour
        {"current 3, remove 0", false, "bcde", 2, {2}, ""},
        {"tip, disable", false, "abcde", -1, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        BoundList list(c.multiSelect);
        ASSERT_TRUE(list.exposed);
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
        EXPECT_TRUE(list.view.uniformItemSizes());
        EXPECT_EQ(complaints.messages(), std::vector<std::string>{});
    }
}

}  // namespace
