#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QListView>
#include <QTest>
#include <QTreeView>
#include <functional>
#include <map>
#include <sstream>

#include "platform/qt/Bindings.h"

namespace {

using namespace quillmark;

template <typename Bound>
using Steps = std::map<std::string, std::function<void(Bound&, int number, const std::string& word)>>;

std::vector<std::string> complaints;

// Runs steps such as "click 2, key Down, remove 0" on a fresh shown view,
// each followed by its queued work (selection shown, click told), while Qt's
// model checker watches; then the view, which the state must agree with, and
// the handlers called are as expected.
template <typename Bound>
void expectScript(const Steps<Bound>& steps, const std::string& script, const std::string& expected) {
    SCOPED_TRACE(script);
    Bound bound(script);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bound.view));
    complaints.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type != QtDebugMsg && qstrcmp(context.category, "qt.modeltest") == 0)
                complaints.push_back(message.toStdString());
        });
    const QAbstractItemModelTester checker(bound.view.model(),
                                           QAbstractItemModelTester::FailureReportingMode::Warning);
    std::istringstream text(script);
    for (std::string step; std::getline(text, step, ','); QTest::qWait(50)) {
        std::string word, argument;
        std::istringstream(step) >> word >> argument;
        const bool number = std::isdigit(argument[0]) || argument[0] == '-';
        steps.at(word)(bound, number ? std::stoi(argument) : 0, argument);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(complaints, std::vector<std::string>{});
    EXPECT_EQ(bound.shown() + bound.log, expected);
}

// "rows current selected... [multi] [off]", as a list's state or view has it.
std::string describe(std::string rows, int current, std::vector<int> selected, bool multi, bool enabled) {
    std::sort(selected.begin(), selected.end());
    rows += " " + std::to_string(current);
    for (const int row : selected) rows += " " + std::to_string(row);
    return rows + (multi ? " multi" : "") + (enabled ? "" : " off");
}

// Clicks, or double-clicks, the middle of a row.
void clickRow(QAbstractItemView& view, int row, Qt::KeyboardModifiers modifiers = {}, bool twice = false) {
    const QPoint at = view.visualRect(view.model()->index(row, 0)).center();
    twice ? QTest::mouseDClick(view.viewport(), Qt::LeftButton, modifiers, at)
          : QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, at);
}

// A shown list bound to a ListBox of five names, multi-select when its script
// starts with "multi", logging the handlers it calls as "click", "double" or
// the key, after "S-" or "C-" for Shift or Control held.
struct BoundList {
    explicit BoundList(const std::string& script) {
        state.setMultiSelect(script.starts_with("multi"));
        state.setItems({"a", "b", "c", "d", "e"});
        qt::ListBoxCallbacks callbacks;
        callbacks.onClick = [this] { log += " click"; };
        callbacks.onDoubleClick = [this] { log += " double"; };
        callbacks.onKeyDown = [this](int key, bool shift, bool ctrl) {
            log += (shift ? " S-" : " ") + std::string(ctrl ? "C-" : "") +
                   QKeySequence(key).toString().toStdString();
        };
        qt::bind(state, &view, callbacks);
        view.show();
    }
    std::string shown() const {
        std::string rows, held;
        for (int n = 0; n < view.model()->rowCount(); ++n)
            rows += view.model()->index(n, 0).data().toString().toStdString();
        for (int n = 0; n < state.listCount(); ++n) held += state.list(n);
        std::vector<int> selected;
        for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
            selected.push_back(index.row());
        const std::string seen =
            describe(rows, view.currentIndex().row(), selected,
                     view.selectionMode() == QAbstractItemView::ExtendedSelection, view.isEnabled());
        held =
            describe(held, state.listIndex(), state.selectedIndices(), state.multiSelect(), state.enabled());
        return seen == held ? seen : seen + " but the state has " + held;
    }
    ListBox state;
    QListView view;
    std::string log;
};

// Whatever the user or the program does, state and view end up agreeing,
// and only the user's actions reach the handlers, once per action.
TEST(ListBoxModelTest, StateAndViewAgreeAfterEachAction) {
    static const Steps<BoundList> steps = {
        {"click", [](auto& l, int row, auto&) { clickRow(l.view, row); }},
        {"ctrl", [](auto& l, int row, auto&) { clickRow(l.view, row, Qt::ControlModifier); }},
        {"double", [](auto& l, int row, auto&) { clickRow(l.view, row, {}, true); }},
        {"focus",
         [](auto& l, int, auto&) {
             l.view.clearFocus();
             l.view.setFocus(Qt::TabFocusReason);
         }},
        {"key", [](auto& l, int, auto& key) { QTest::keySequence(&l.view, QKeySequence(key.c_str())); }},
        {"current", [](auto& l, int row, auto&) { l.state.setListIndex(row); }},
        {"select", [](auto& l, int row, auto&) { l.state.setSelected(row, true); }},
        {"insert", [](auto& l, int row, auto&) { l.state.insertItem(row, "z"); }},
        {"remove", [](auto& l, int row, auto&) { l.state.removeItem(row); }},
        {"add", [](auto& l, int count, auto&) { l.state.addItems(std::vector<std::string>(count, "y")); }},
        {"set", [](auto& l, int count, auto&) { l.state.setItems(std::vector<std::string>(count, "x")); }},
        {"multi", [](auto&, int, auto&) {}},  // made so, before it is bound
        {"disable", [](auto& l, int, auto&) { l.state.setEnabled(false); }},
    };
    // Rows, current row, selected rows, then the handlers called.
    const std::pair<const char*, const char*> cases[] = {
        {"insert 0, insert 3, remove 2, add 2", "zazcdeyy -1"},
        {"set 2, disable", "xx -1 off"},
        {"focus, key Down", "abcde 0 0 Down click"},  // focus alone chooses nothing
        {"click 2, key Down", "abcde 3 3 click Down click"},
        {"multi, click 1, ctrl 3, ctrl 3", "abcde 3 1 multi click click click"},  // current, not selected
        {"click 1, double 1", "abcde 1 1 click double"},
        // Modifier keys are keys too; the others carry the modifiers held.
        {"click 0, key Shift+Del, key Ctrl+C", "abcde 0 0 click S-Shift S-Del C-Control C-C"},
        {"multi, select 0, select 1, select 3, select 4", "abcde -1 0 1 3 4 multi"},
        {"current 2, remove 2", "abde -1"},  // Qt would move the current row to a neighbour
        {"current 3, remove 0", "bcde 2 2"},
    };
    for (const auto& [script, expected] : cases) expectScript(steps, script, expected);
}

// A shown report view bound to a ListView, logging the handlers it calls as
// "item N" (the state's row by then) or "column N".
struct BoundReport {
    explicit BoundReport(const std::string& /*script*/) {
        state.setColumns({"Domain", "Status"});
        for (const char* name : {"b", "a", "c"}) state.addItem(name);
        state.setSubItem(0, 1, "free");
        state.setSubItem(1, 1, "taken");
        qt::bind(state, &view,
                 {[this] { log += " item " + std::to_string(state.selectedIndex()); },
                  [this](int column) { log += " column " + std::to_string(column); }});
        view.show();
    }
    // "header|header row|row ... @selected row", as the view shows it.
    std::string shown() const {
        const QAbstractItemModel* model = view.model();
        const auto cell = [&](int row, int column) {
            return row < 0 ? model->headerData(column, Qt::Horizontal) : model->index(row, column).data();
        };
        std::string text;
        for (int row = -1; row < model->rowCount(); ++row)
            for (int column = 0; column < model->columnCount(); ++column)
                text += (column > 0 ? "|" : row < 0 ? "" : " ") + cell(row, column).toString().toStdString();
        // The selected row, which must also be the current one.
        const QModelIndexList rows = view.selectionModel()->selectedRows();
        const int seen = rows.isEmpty()                               ? -1
                         : rows[0].row() == view.currentIndex().row() ? rows[0].row()
                                                                      : -2;
        const int held = state.selectedIndex();
        return text + " @" + std::to_string(seen) +
               (held == seen ? "" : " but the state has @" + std::to_string(held));
    }
    void clickHeader(int column) {
        QTest::mouseClick(view.header()->viewport(), Qt::LeftButton, {},
                          {view.header()->sectionViewportPosition(column) + 5, 5});
    }

    ListView state;
    QTreeView view;
    std::string log;
};

// Rows, columns and selection follow the state; only the user's choice of
// another row, and header clicks, reach the handlers.
TEST(ListViewModelTest, ViewAgreesWithTheStateAfterEachAction) {
    static const Steps<BoundReport> steps = {
        {"click", [](auto& r, int row, auto&) { clickRow(r.view, row); }},
        {"key", [](auto& r, int, auto& key) { QTest::keySequence(&r.view, QKeySequence(key.c_str())); }},
        {"header", [](auto& r, int column, auto&) { r.clickHeader(column); }},
        {"select", [](auto& r, int row, auto&) { r.state.setSelectedIndex(row); }},
        {"remove", [](auto& r, int row, auto&) { r.state.removeItem(row); }},
        {"add", [](auto& r, int, auto& name) { r.state.addItem(name); }},
        {"free", [](auto& r, int row, auto&) { r.state.setSubItem(row, 1, "free"); }},
        {"columns",
         [](auto& r, int, auto& name) {
             r.state.setColumns({"Name", "Status", name});
         }},
        {"up", [](auto& r, int, auto&) { r.state.sortBy(0, ListView::SortOrder::Ascending); }},
        {"down", [](auto& r, int, auto&) { r.state.sortBy(0, ListView::SortOrder::Descending); }},
    };
    // Header and rows, the selected row, then the handlers called.
    const std::pair<const char*, const char*> cases[] = {
        {"remove 0, add d, free 2", "Domain|Status a|taken c| d|free @-1"},
        {"columns Checked", "Name|Status|Checked b|free| a|taken| c|| @-1"},
        {"click 1, click 1", "Domain|Status b|free a|taken c| @1 item 1"},
        {"click 1, key Down", "Domain|Status b|free a|taken c| @2 item 1 item 2"},
        {"header 0, header 1", "Domain|Status b|free a|taken c| @-1 column 0 column 1"},
        {"select 2, up", "Domain|Status a|taken b|free c| @2"},  // the row follows its name
        {"select 2, down", "Domain|Status c| b|free a|taken @0"},
        {"select 0, remove 0", "Domain|Status a|taken c| @-1"},
        {"select 2, select -1", "Domain|Status b|free a|taken c| @-1"},
    };
    for (const auto& [script, expected] : cases) expectScript(steps, script, expected);
}

}  // namespace
