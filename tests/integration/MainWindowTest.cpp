#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "support/LiveMainWindow.h"
#include "whois/ui/WhoisOpener.h"

namespace quillmark {
namespace {

QStringList labelTexts(const QWidget& widget) {
    QStringList texts;
    for (const auto* label : widget.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

template <typename Widget>
Widget* named(const QWidget& parent, const QString& text) {
    for (auto* widget : parent.findChildren<Widget*>())
        if (widget->text() == text) return widget;
    return nullptr;
}

// A run started from the controls shows in the lists and labels; a double
// click buys the clicked name and the whois menu opens its record.
TEST(MainWindow, ARunStartedFromTheControlsShowsAndItsNamesCanBeBoughtAndLookedUp) {
    testing::LiveMainWindow live;
    WhoisOpener whois(nullptr, WhoisServer{"127.0.0.1", live.server.port()});
    live.hooks.openWhois = [&](const std::string& name) { whois.open(live.services, name); };
    std::vector<std::optional<std::string>> opened;
    live.hooks.openWebsite = [&](std::optional<std::string> address) {
        opened.push_back(std::move(address));
    };
    std::string names;
    for (int i = 0; i < 80; ++i) names += (i % 4 == 0 ? "free" : "taken") + std::to_string(100 + i) + "\r\n";
    live.folder.write("CreatedDomains.txt", names);
    live.open();
    MainWindowView& view = *live.view;
    EXPECT_EQ(view.windowTitle().toStdString(), live.form->window.caption());

    auto* combo = view.findChildren<QComboBox*>().at(0);
    ASSERT_EQ(combo->count(), 9);
    combo->setCurrentIndex(1);
    combo->activated(1);
    EXPECT_EQ(live.form->searchType.text(), "Generate names");
    QPushButton* start = named<QPushButton>(view, "Start");
    ASSERT_TRUE(start && start->isEnabled());
    start->click();
    ASSERT_TRUE(live.waitForStop(60'000)) << "the run did not end by itself";

    QListView* mid = view.resultListView(ResultList::Mid);
    const auto* registered = view.resultListView(ResultList::Registered)->model();
    EXPECT_EQ(mid->model()->rowCount(), 20);
    EXPECT_EQ(registered->rowCount(), live.form->registeredList.listCount());
    EXPECT_EQ(registered->index(0, 0).data().toString().toStdString(), live.form->registeredList.list(0));
    EXPECT_TRUE(labelTexts(view).contains("Mid Profile (20)"));
    EXPECT_TRUE(labelTexts(view).contains("Registered (60)"));
    EXPECT_TRUE(labelTexts(*view.statusBar()).contains("Entry Status"));
    EXPECT_TRUE(start->isEnabled());

    const std::string second = live.form->midList.list(1);
    const QRect item = mid->visualRect(mid->model()->index(1, 0));
    QTest::mouseClick(mid->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(mid->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(live.state.selectedName, second);
    EXPECT_EQ(opened,
              (std::vector<std::optional<std::string>>{live.state.identity.PurchaseAddress + second}));
    EXPECT_FALSE(whois.isOpen());

    QAction* lookup = nullptr;
    for (const QAction* menu : view.menuBar()->actions())
        if (menu->text() == "Tools" && menu->menu())
            for (QAction* action : menu->menu()->actions())
                if (action->text() == "Whois Lookup...") lookup = action;
    ASSERT_NE(lookup, nullptr);
    live.state.selectedName.clear();
    lookup->trigger();
    EXPECT_EQ(live.state.selectedName, second);
    ASSERT_TRUE(whois.isOpen());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return whois.view() && !whois.view()->form().replyText.text().empty(); }, 10'000));
    EXPECT_NE(whois.view()->form().replyText.text().find("No match for \"" + second + "\""),
              std::string::npos);
}

}  // namespace
}  // namespace quillmark
