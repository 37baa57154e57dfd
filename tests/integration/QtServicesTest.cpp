#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <vector>

#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtServices.h"

namespace {

using namespace quillmark;
using qt::QtServices;

// Each row sets the interval, then enabled, in turn; the timer then stays
// quiet (0), ticks once as it is dropped inside its tick (1), or goes on (2).
TEST(QtTimerTest, TicksOnlyWhileEnabledWithAnInterval) {
    const std::tuple<std::vector<std::pair<int, bool>>, bool, int> cases[] = {
        {{{0, true}}, false, 0},
        {{{0, true}, {10, true}}, false, 2},
        {{{10, true}, {10, false}}, false, 0},
        {{{5, true}}, true, 1},
    };
    QtServices services;
    for (const auto& [settings, dropInTick, expected] : cases) {
        SCOPED_TRACE(::testing::PrintToString(settings));
        std::unique_ptr<Timer> timer = services.makeTimer();
        int ticks = 0;
        timer->setOnTick([&] {
            ++ticks;
            if (dropInTick) timer.reset();
        });
        for (const auto& [interval, enabled] : settings) {
            timer->setInterval(interval);
            timer->setEnabled(enabled);
        }
        static_cast<void>(QTest::qWaitFor([&] { return ticks >= 2; }, expected == 2 ? 5000 : 150));
        EXPECT_EQ(std::min(ticks, 2), expected);
    }
}

TEST(QtServicesTest, ClipboardAndClockAreTheSystemsOwn) {
    QtServices services;
    services.clipboard().setText("kestrel.com\r\nünï.net\r\n");  // Qt gives the desktop its own line ends
    EXPECT_EQ(QApplication::clipboard()->text(), "kestrel.com\nünï.net\n");
    EXPECT_EQ(services.clipboard().text(), "kestrel.com\nünï.net\n");
    services.clipboard().clear();
    EXPECT_EQ(services.clipboard().text(), "");

    // Told to the second, between two looks at the system's clock.
    const QDateTime before = QDateTime::currentDateTime();
    const LocalTime now = services.clock().now();
    const QDateTime told(QDate(now.year, now.month, now.day), QTime(now.hour, now.minute, now.second));
    EXPECT_TRUE(told >= before.addMSecs(-before.time().msec()) && told <= QDateTime::currentDateTime());
}

// A box is answered with `answer`, or closed when it has no such button.
TEST(QtServicesTest, MessageBoxAnswers) {
    const std::tuple<MessageButtons, QMessageBox::StandardButton, MessageResult, int> cases[] = {
        {MessageButtons::YesNo, QMessageBox::Yes, MessageResult::Yes, 2},
        {MessageButtons::YesNo, QMessageBox::No, MessageResult::No, 2},
        {MessageButtons::YesNo, QMessageBox::Close, MessageResult::No, 2},
        {MessageButtons::Ok, QMessageBox::Ok, MessageResult::Ok, 1},
    };
    for (const auto& [kind, answer, result, buttons] : cases) {
        std::string shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            poll.stop();
            shown = (box->windowTitle() + "|" + box->text() + "|").toStdString() +
                    std::to_string(box->buttons().size()) +
                    (box->textFormat() == Qt::PlainText ? "" : " markup");
            box->button(answer) ? box->button(answer)->click() : box->reject();
        });
        poll.start(20);
        EXPECT_EQ(QtServices().messages().show("Is <b>kestrel.com</b> free?", "Quillmark", kind), result);
        EXPECT_EQ(shown, "Quillmark|Is <b>kestrel.com</b> free?|" + std::to_string(buttons));
    }
}

TEST(QtFileDialogsTest, FilterPairsBecomeQtFilters) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"Text files|*.txt|All files|*.*", "Text files (*.txt);;All files (*.*)"},
        {"Word lists (*.txt;*.lst)|*.txt;*.lst", "Word lists (*.txt *.lst)"},
        {"Anything", "Anything (*)"},
        {"|*.htm", "(*.htm)"},
        {" Pages | *.htm ; *.html |", "Pages (*.htm *.html)"},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(qt::toQtFilter(input), expected) << input;
    // A saved name that matches no offered pattern takes the ending of the filter chosen.
    const std::tuple<const char*, const char*, const char*> names[] = {
        {"/d/x", "JSON (*.json)", "/d/x.json"},
        {"/d/x.CSV", "JSON (*.json)", "/d/x.CSV"},
        {"/d/x.txt", "CSV (*.csv)", "/d/x.txt.csv"},
        {"/d/x", "", "/d/x"}};
    for (const auto& [path, chosen, expected] : names)
        EXPECT_EQ(qt::withChosenEnding(path, "CSV|*.csv|JSON|*.json", chosen), expected) << path;
}

}  // namespace
