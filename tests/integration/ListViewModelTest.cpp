#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>
#include <QTreeView>
#include <functional>
#include <map>
#include <sstream>

#include "platform/qt/Bindings.h"
#include "support/ModelComplaints.h"

namespace {

using quillmark::ListView;

// A shown report view bound to a ListView, logging the handlers it calls as
// "item N" (the state's row by then) or "column N".
struct BoundReport {
    BoundReport() {
        state.setColumns({"Domain", "Status"});
        for (const char* name : {"b", "a", "c"}) state.addItem(name);
        state.setSubItem(0, 1, "free");
        state.setSubItem(1, 1, "taken");
        quillmark::qt::bind(state, &view,
                            {[this] { log += " item " + std::to_string(state.selectedIndex()); },
                             [this](int column) { log += " column " + std::to_string(column); }});
        view.show();
    }

    // "header|header row|row ...", as the view's model gives it.
    std::string shown() const {
        const QAbstractItemModel* model = view.model();
        const auto cell = [&](int row, int column) {
            return row < 0 ? model->headerData(column, Qt::Horizontal) : model->index(row, column).data();
        };
        std::string text;
        for (int row = -1; row < model->rowCount(); ++row)
            for (int column = 0; column < model->columnCount(); ++column)
                text += (column > 0 ? "|" : row < 0 ? "" : " ") + cell(row, column).toString().toStdString();
        return text;
    }
    int viewRow() const {
        const QModelIndexList rows = view.selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    void click(QWidget* on, QPoint at) { QTest::mouseClick(on, Qt::LeftButton, {}, at); }
    void clickRow(int row) { click(view.viewport(), view.visualRect(view.model()->index(row, 0)).center()); }
    void clickHeader(int column) {
        click(view.header()->viewport(), {view.header()->sectionViewportPosition(column) + 5, 5});
    }
    // Steps such as "click 1, down, select 2".
    void run(const std::string& script) {
        static const std::map<std::string, std::function<void(BoundReport&)>> steps = {
            {"click 1", [](auto& r) { r.clickRow(1); }},
            {"down", [](auto& r) { QTest::keyClick(&r.view, Qt::Key_Down); }},
            {"header 0", [](auto& r) { r.clickHeader(0); }},
            {"header 1", [](auto& r) { r.clickHeader(1); }},
            {"select 0", [](auto& r) { r.state.setSelectedIndex(0); }},
            {"select 2", [](auto& r) { r.state.setSelectedIndex(2); }},
            {"select -1", [](auto& r) { r.state.setSelectedIndex(-1); }},
            {"remove 0", [](auto& r) { r.state.removeItem(0); }},
            {"add d", [](auto& r) { r.state.addItem("d"); }},
            {"free 2", [](auto& r) { r.state.setSubItem(2, 1, "free"); }},
            {"sort up", [](auto& r) { r.state.sortBy(0, ListView::SortOrder::Ascending); }},
            {"sort down", [](auto& r) { r.state.sortBy(0, ListView::SortOrder::Descending); }},
            {"3 columns",
             [](auto& r) {
                 r.state.setColumns({"Name", "Status", "Checked"});
             }},
            {"clear", [](auto& r) { r.state.clear(); }},
        };
        std::istringstream text(script);
        for (std::string step; std::getline(text >> std::ws, step, ',');) steps.at(step)(*this);
    }

    ListView state;
    QTreeView view;
    std::string log;
};

// Rows, columns and selection follow the state; only the user's choice of
// another row, and header clicks, reach the handlers.
TEST(ListViewModelTest, ViewAgreesWithTheStateAfterEachAction) {
    const struct {
        const char* script;
        const char* shown;
        int selected;
        const char* log;
    } cases[] = {
        {"add d, free 2", "Domain|Status b|free a|taken c|free d|", -1, ""},
        {"remove 0", "Domain|Status a|taken c|", -1, ""},
        {"3 columns", "Name|Status|Checked b|free| a|taken| c||", -1, ""},
        {"clear", "Domain|Status", -1, ""},
        {"click 1", "Domain|Status b|free a|taken c|", 1, " item 1"},
        {"click 1, click 1", "Domain|Status b|free a|taken c|", 1, " item 1"},
        {"click 1, down", "Domain|Status b|free a|taken c|", 2, " item 1 item 2"},
        {"header 0, header 1", "Domain|Status b|free a|taken c|", -1, " column 0 column 1"},
        {"select 2, sort up", "Domain|Status a|taken b|free c|", 2, ""},  // the row follows its name
        {"select 2, sort down", "Domain|Status c| b|free a|taken", 0, ""},
        {"select 0, remove 0", "Domain|Status a|taken c|", -1, ""},
        {"select 2, select -1", "Domain|Status b|free a|taken c|", -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        BoundReport report;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&report.view));
        quillmark::testing::ModelComplaints complaints(report.view.model());
        report.run(c.script);
        EXPECT_EQ(report.shown(), c.shown);
        EXPECT_EQ(report.state.selectedIndex(), c.selected);
        EXPECT_EQ(report.viewRow(), c.selected);
        if (c.selected >= 0) {
            EXPECT_EQ(report.view.currentIndex().row(), c.selected);
        }
        EXPECT_EQ(report.log, c.log);
        EXPECT_EQ(complaints.messages(), std::vector<std::string>{});
    }
}

}  // namespace
