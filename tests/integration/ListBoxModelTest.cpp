#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QListView>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <string>
#include <tuple>
#include <vector>

#include "platform/qt/Bindings.h"
#include "support/ModelComplaints.h"

namespace {

using quillmark::testing::ModelComplaints;

using quillmark::ListBox;
using quillmark::qt::bind;
using quillmark::qt::ListBoxCallbacks;

// A shown list bound to a ListBox, recording the handlers it calls.
struct BoundList {
    explicit BoundList(bool multiSelect = false) {
        state.setMultiSelect(multiSelect);
        for (const char* name : {"alpha.com", "bravo.net", "charlie.org", "delta.com", "echo.net"}) {
            state.addItem(name);
        }
        view = new QListView(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(view);
        ListBoxCallbacks callbacks;
        callbacks.onClick = [this] { ++clicks; };
        callbacks.onDoubleClick = [this] { ++doubleClicks; };
        callbacks.onKeyDown = [this](int key, bool shift, bool ctrl) { keys.emplace_back(key, shift, ctrl); };
        bind(state, view, callbacks);
        window.resize(300, 400);
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }

    QString row(int n) const { return view->model()->index(n, 0).data().toString(); }
    QStringList rows() const {
        QStringList all;
        for (int n = 0; n < view->model()->rowCount(); ++n) all << row(n);
        return all;
    }
    QPoint centerOf(int n) const { return view->visualRect(view->model()->index(n, 0)).center(); }
    void click(int n, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, centerOf(n));
    }
    std::vector<int> viewSelection() const {
        std::vector<int> selected;
        for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
            selected.push_back(index.row());
        std::sort(selected.begin(), selected.end());
        return selected;
    }
    // Queued work (selection shown, clicks told) done.
    static void settle() { QTest::qWait(50); }

    ListBox state;
    QWidget window;
    QListView* view = nullptr;
    bool exposed = false;
    int clicks = 0;
    int doubleClicks = 0;
    std::vector<std::tuple<int, bool, bool>> keys;
};

using Rows = std::vector<int>;

TEST(ListBoxModelTest, RowsFollowInsertsRemovesAndResets) {
    ModelComplaints complaints;
    BoundList list;
    QAbstractItemModelTester tester(list.view->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    EXPECT_EQ(list.rows(), QStringList({"alpha.com", "bravo.net", "charlie.org", "delta.com", "echo.net"}));

    list.state.insertItem(0, "zulu.com");
    list.state.removeItem(2);
    list.state.addItem("foxtrot.org");
    list.state.insertItem(3, "golf.net");
    EXPECT_EQ(list.rows(), QStringList({"zulu.com", "alpha.com", "charlie.org", "golf.net", "delta.com",
                                        "echo.net", "foxtrot.org"}));

    list.state.setItems({"hotel.com", "india.net"});
    EXPECT_EQ(list.rows(), QStringList({"hotel.com", "india.net"}));
    list.state.clear();
    EXPECT_EQ(list.view->model()->rowCount(), 0);
    EXPECT_TRUE(complaints.messages().empty()) << complaints.messages().front();
}

TEST(ListBoxModelTest, TwentyThousandNamesAreRowsOfOneModel) {
    BoundList list;
    std::vector<std::string> names;
    for (int n = 0; n < 20000; ++n) names.push_back("name" + std::to_string(n) + ".com");
    list.state.setItems(names);
    for (int n = 0; n < 500; ++n) list.state.addItem("more" + std::to_string(n) + ".net");
    EXPECT_EQ(list.view->model()->rowCount(), 20500);
    EXPECT_EQ(list.row(12345), "name12345.com");
    EXPECT_EQ(list.row(20499), "more499.net");
    EXPECT_TRUE(list.view->uniformItemSizes());
}

TEST(ListBoxModelTest, UserChoiceReachesTheStateOnceWithoutEcho) {
    BoundList list;
    ASSERT_TRUE(list.exposed);
    list.view->clearFocus();
    list.view->setFocus(Qt::TabFocusReason);
    list.settle();
    EXPECT_EQ(list.state.listIndex(), -1) << "focus alone chooses nothing";
    QTest::keyClick(list.view, Qt::Key_Down);
    EXPECT_EQ(list.state.listIndex(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.clicks == 1; }, 5000));

    list.click(2);
    EXPECT_EQ(list.state.listIndex(), 2);
    EXPECT_EQ(list.state.selectedIndices(), Rows{2});
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.clicks == 2; }, 5000));
    QTest::keyClick(list.view, Qt::Key_Down);
    EXPECT_EQ(list.state.selectedIndices(), Rows{3});
    EXPECT_EQ(list.state.text(), "delta.com");
    list.settle();
    EXPECT_EQ(list.clicks, 3) << "one click per user action";
    EXPECT_EQ(list.viewSelection(), Rows{3}) << "the state's echo leaves the view alone";
}

TEST(ListBoxModelTest, ControlClickBuildsAMultiSelection) {
    BoundList list(true);
    ASSERT_TRUE(list.exposed);
    EXPECT_EQ(list.view->selectionMode(), QAbstractItemView::ExtendedSelection);
    list.click(1);
    list.click(3, Qt::ControlModifier);
    EXPECT_EQ(list.state.selectedIndices(), (Rows{1, 3}));
    EXPECT_EQ(list.state.listIndex(), 3);

    list.click(3, Qt::ControlModifier);
    EXPECT_EQ(list.state.selectedIndices(), Rows{1});
    EXPECT_EQ(list.state.listIndex(), 3) << "current, though no longer selected";

    list.click(4, Qt::ShiftModifier);
    EXPECT_EQ(list.state.selectedIndices(), (Rows{1, 3, 4}));
    list.settle();
    EXPECT_EQ(list.viewSelection(), (Rows{1, 3, 4}));
}

TEST(ListBoxModelTest, DoubleClickAndKeysReachTheirHandlers) {
    BoundList list;
    ASSERT_TRUE(list.exposed);
    list.click(1);
    QTest::mouseDClick(list.view->viewport(), Qt::LeftButton, {}, list.centerOf(1));
    EXPECT_EQ(list.doubleClicks, 1);
    EXPECT_EQ(list.state.listIndex(), 1);

    list.view->setFocus();
    QTest::keyClick(list.view, Qt::Key_Delete, Qt::ShiftModifier);
    QTest::keyClick(list.view, Qt::Key_C, Qt::ControlModifier);
    // Modifier keys are keys too; the others carry the modifiers held.
    using Key = std::tuple<int, bool, bool>;
    EXPECT_EQ(list.keys, (std::vector<Key>{{Qt::Key_Shift, true, false},
                                           {Qt::Key_Delete, true, false},
                                           {Qt::Key_Control, false, true},
                                           {Qt::Key_C, false, true}}));
}

TEST(ListBoxModelTest, StateShowsWithoutAClick) {
    BoundList list;
    list.state.setToolTip("Names found free");
    list.state.setEnabled(false);
    EXPECT_EQ(list.view->toolTip(), "Names found free");
    EXPECT_FALSE(list.view->isEnabled());
    list.state.setListIndex(4);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.view->currentIndex().row() == 4; }, 5000));
    EXPECT_EQ(list.viewSelection(), Rows{4});

    list.state.setListIndex(-1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.viewSelection().empty(); }, 5000));
    EXPECT_FALSE(list.view->currentIndex().isValid());
    list.state.setMultiSelect(true);
    for (int n = 0; n < 5; ++n) list.state.setSelected(n, n != 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list.viewSelection() == Rows({0, 1, 3, 4}); }, 5000));
    EXPECT_EQ(list.view->selectionMode(), QAbstractItemView::ExtendedSelection);
    list.settle();
    EXPECT_EQ(list.clicks, 0);
}

TEST(ListBoxModelTest, RemovingTheCurrentItemLeavesNoneCurrent) {
    BoundList list;
    list.state.setListIndex(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.view->currentIndex().row() == 2; }, 5000));

    // Qt would move the current row to a neighbour; the state says none.
    list.state.removeItem(2);
    list.settle();
    EXPECT_EQ(list.state.listIndex(), -1);
    EXPECT_EQ(list.state.selCount(), 0);
    EXPECT_FALSE(list.view->currentIndex().isValid());
    EXPECT_TRUE(list.viewSelection().empty());
    EXPECT_EQ(list.clicks, 0);

    list.state.setListIndex(3);
    list.state.removeItem(0);
    list.settle();
    EXPECT_EQ(list.state.listIndex(), 2);
    EXPECT_EQ(list.view->currentIndex().row(), 2);
    EXPECT_EQ(list.view->currentIndex().data().toString(), "echo.net");
}

}  // namespace
