#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "engine/MainWindow.h"
#include "engine/ui/MainWindowView.h"
#include "platform/qt/QtServices.h"
#include "support/LiveMainWindow.h"
#include "support/TempFolder.h"
#include "whois/ui/WhoisOpener.h"

namespace quillmark {
namespace {

using testing::LiveMainWindow;

QStringList labelTexts(const QWidget& widget) {
    QStringList texts;
    for (const auto* label : widget.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

TEST(MainWindow, ShowsARunLiveAndStaysResponsive) {
    LiveMainWindow live;
    std::string names;
    for (int i = 0; i < 80; ++i) names += (i % 4 == 0 ? "free" : "taken") + std::to_string(100 + i) + "\r\n";
    live.folder.write("CreatedDomains.txt", names);
    live.open();
    MainWindow& form = *live.form;
    MainWindowView& view = *live.view;
    EXPECT_EQ(view.windowTitle().toStdString(), form.window.caption());

    // The user picks the source in the combo box and presses Start.
    auto* combo = view.findChildren<QComboBox*>().at(0);
    ASSERT_EQ(combo->count(), 9);
    combo->setCurrentIndex(1);
    combo->activated(1);
    EXPECT_EQ(form.searchType.text(), "Generate names");
    QPushButton* start = nullptr;
    for (auto* button : view.findChildren<QPushButton*>()) {
        if (button->text() == "Start") start = button;
    }
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(start->isEnabled());

    int ticks = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&ticks] { ++ticks; });
    heartbeat.start(5);
    start->click();

    EXPECT_TRUE(live.waitForStop(60'000)) << "the run did not end by itself";
    EXPECT_GT(ticks, 0) << "the event loop never ran during the run";
    EXPECT_EQ(view.resultListView(ResultList::Mid)->model()->rowCount(), 20);
    EXPECT_EQ(view.resultListView(ResultList::Registered)->model()->rowCount(),
              form.registeredList.listCount());
    EXPECT_EQ(
        view.resultListView(ResultList::Registered)->model()->index(0, 0).data().toString().toStdString(),
        form.registeredList.list(0));
    EXPECT_TRUE(labelTexts(view).contains("Mid Profile (20)"));
    EXPECT_TRUE(labelTexts(view).contains("Registered (60)"));
    EXPECT_TRUE(labelTexts(*view.statusBar()).contains("Entry Status"));
    EXPECT_TRUE(start->isEnabled());
}

QAction* menuEntry(const QMainWindow& window, const QString& menu, const QString& entry) {
    for (const QAction* title : window.menuBar()->actions()) {
        if (title->text() != menu || title->menu() == nullptr) continue;
        for (QAction* action : title->menu()->actions()) {
            if (action->text() == entry) return action;
        }
    }
    return nullptr;
}

TEST(MainWindow, DoubleClickBuysAndTheWhoisMenuOpensTheWhoisRecordOfTheClickedName) {
    LiveMainWindow live;
    WhoisOpener whois(nullptr, WhoisServer{"127.0.0.1", live.server.port()});
    live.hooks.openWhois = [&](const std::string& name) { whois.open(live.services, name); };
    std::vector<std::optional<std::string>> opened;
    live.hooks.openWebsite = [&](std::optional<std::string> address) {
        opened.push_back(std::move(address));
    };
    live.open();
    live.runGeneratedNames("taken1\r\nfreebie\r\ntaken2\r\n");
    ASSERT_TRUE(live.waitForStop());
    ASSERT_EQ(live.form->midList.items(), std::vector<std::string>{"freebie.com"});

    QListView* mid = live.view->resultListView(ResultList::Mid);
    const QRect item = mid->visualRect(mid->model()->index(0, 0));
    QTest::mouseClick(mid->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(mid->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(live.state.selectedName, "freebie.com");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], live.state.identity.PurchaseAddress + "freebie.com");
    EXPECT_FALSE(whois.isOpen());

    QAction* lookup = menuEntry(*live.view, "Tools", "Whois Lookup...");
    ASSERT_NE(lookup, nullptr);
    live.state.selectedName.clear();
    lookup->trigger();
    EXPECT_EQ(live.state.selectedName, "freebie.com");
    ASSERT_TRUE(whois.isOpen());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return whois.view() && !whois.view()->form().replyText.text().empty(); }, 10'000));
    EXPECT_NE(whois.view()->form().replyText.text().find("No match for \"freebie.com\""), std::string::npos);
}

}  // namespace
}  // namespace quillmark
