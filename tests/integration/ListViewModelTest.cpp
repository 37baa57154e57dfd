#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/qt/Bindings.h"
#include "support/ModelComplaints.h"

namespace {

using quillmark::testing::ModelComplaints;

using quillmark::ListView;
using quillmark::qt::bind;
using quillmark::qt::ListViewCallbacks;

// A shown report view bound to a ListView of names and their state.
struct BoundReport {
    BoundReport() {
        state.setColumns({"Domain", "Status"});
        for (const char* name : {"bravo.net", "alpha.com", "charlie.org"}) state.addItem(name);
        state.setSubItem(0, 1, "free");
        state.setSubItem(1, 1, "taken");
        view = new QTreeView(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(view);
        ListViewCallbacks callbacks;
        callbacks.onItemClick = [this] { itemClicks.push_back(state.selectedIndex()); };
        callbacks.onColumnClick = [this](int column) { columnClicks.push_back(column); };
        bind(state, view, callbacks);
        window.resize(400, 300);
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }

    QString cell(int row, int column) const { return view->model()->index(row, column).data().toString(); }
    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < view->model()->rowCount(); ++row) texts << cell(row, column);
        return texts;
    }
    QString header(int column) const { return view->model()->headerData(column, Qt::Horizontal).toString(); }
    void clickRow(int row) {
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void clickHeader(int column) {
        QHeaderView* headerView = view->header();
        const int x = headerView->sectionViewportPosition(column) + headerView->sectionSize(column) / 2;
        QTest::mouseClick(headerView->viewport(), Qt::LeftButton, {}, QPoint(x, headerView->height() / 2));
    }
    int viewRow() const {
        const QModelIndexList rows = view->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }

    ListView state;
    QWidget window;
    QTreeView* view = nullptr;
    bool exposed = false;
    std::vector<int> itemClicks;
    std::vector<int> columnClicks;
};

TEST(ListViewModelTest, ShowsHeadersRowsAndSubItems) {
    ModelComplaints complaints;
    BoundReport report;
    QAbstractItemModelTester tester(report.view->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    EXPECT_EQ(report.view->model()->columnCount(), 2);
    EXPECT_EQ(report.header(0), "Domain");
    EXPECT_EQ(report.header(1), "Status");
    EXPECT_EQ(report.column(0), QStringList({"bravo.net", "alpha.com", "charlie.org"}));
    EXPECT_EQ(report.column(1), QStringList({"free", "taken", ""}));

    const int row = report.state.addItem("delta.com");
    report.state.setSubItem(row, 1, "free");
    report.state.setSubItem(2, 1, "taken");
    EXPECT_EQ(report.column(0), QStringList({"bravo.net", "alpha.com", "charlie.org", "delta.com"}));
    EXPECT_EQ(report.column(1), QStringList({"free", "taken", "taken", "free"}));

    report.state.removeItem(0);
    EXPECT_EQ(report.column(0), QStringList({"alpha.com", "charlie.org", "delta.com"}));

    report.state.setColumns({"Name", "Status", "Checked"});
    EXPECT_EQ(report.view->model()->columnCount(), 3);
    EXPECT_EQ(report.header(2), "Checked");
    report.state.clear();
    EXPECT_EQ(report.view->model()->rowCount(), 0);
    for (int n = 0; n < 500; ++n) {
        const int added = report.state.addItem("name" + std::to_string(n) + ".com");
        report.state.setSubItem(added, 1, n % 2 == 0 ? "free" : "taken");
    }
    EXPECT_EQ(report.view->model()->rowCount(), 500);
    EXPECT_EQ(report.cell(499, 0), "name499.com");
    EXPECT_EQ(report.cell(498, 1), "free");
    EXPECT_TRUE(complaints.messages().empty()) << complaints.messages().front();
}

TEST(ListViewModelTest, UserClickSelectsTheRow) {
    BoundReport report;
    ASSERT_TRUE(report.exposed);
    report.clickRow(1);
    EXPECT_EQ(report.state.selectedIndex(), 1);
    EXPECT_EQ(report.itemClicks, std::vector<int>{1}) << "the state is set before the handler";

    report.clickRow(1);
    EXPECT_EQ(report.itemClicks.size(), 1u) << "no change, no click";

    report.view->setFocus();
    QTest::keyClick(report.view, Qt::Key_Down);
    EXPECT_EQ(report.state.selectedIndex(), 2);
    EXPECT_EQ(report.itemClicks, (std::vector<int>{1, 2}));
    EXPECT_EQ(report.viewRow(), 2);
}

TEST(ListViewModelTest, HeaderClicksAndStateSelectionAndSortShowWithoutAClick) {
    BoundReport report;
    ASSERT_TRUE(report.exposed);
    report.clickHeader(0);
    report.clickHeader(1);
    EXPECT_EQ(report.columnClicks, (std::vector<int>{0, 1}));
    EXPECT_EQ(report.column(0), QStringList({"bravo.net", "alpha.com", "charlie.org"})) << "no sorting by Qt";

    report.state.setSelectedIndex(2);
    EXPECT_EQ(report.viewRow(), 2);
    EXPECT_EQ(report.view->currentIndex().row(), 2);
    // The selected row follows its name through a sort.
    report.state.sortBy(0, ListView::SortOrder::Ascending);
    EXPECT_EQ(report.column(0), QStringList({"alpha.com", "bravo.net", "charlie.org"}));
    EXPECT_EQ(report.column(1), QStringList({"taken", "free", ""}));
    EXPECT_EQ(report.state.selectedIndex(), 2);
    report.state.sortBy(0, ListView::SortOrder::Descending);
    EXPECT_EQ(report.state.selectedIndex(), 0);
    EXPECT_EQ(report.viewRow(), 0);
    EXPECT_EQ(report.cell(report.viewRow(), 0), "charlie.org");

    report.state.removeItem(0);
    EXPECT_EQ(report.viewRow(), -1);
    report.state.setSelectedIndex(-1);
    EXPECT_EQ(report.viewRow(), -1);
    EXPECT_TRUE(report.itemClicks.empty());
}

}  // namespace
