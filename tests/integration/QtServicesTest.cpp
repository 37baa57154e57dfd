#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTimer.h"

namespace {

using quillmark::MessageButtons;
using quillmark::MessageResult;
using quillmark::qt::QtServices;
using quillmark::qt::QtTimer;

// Each row sets the interval, then enabled, in turn; the timer then stays
// quiet (0), ticks once as it is dropped inside its tick (1), or goes on (2).
TEST(QtTimerTest, TicksOnlyWhileEnabledWithAnInterval) {
    const struct {
        std::vector<std::pair<int, bool>> settings;
        bool dropInTick;
        int ticks;
    } cases[] = {
        {{{10, false}}, false, 0},
        {{{0, true}}, false, 0},
        {{{0, true}, {10, true}}, false, 2},
        {{{10, true}, {60000, true}}, false, 0},
        {{{10, true}, {10, false}}, false, 0},
        {{{5, true}}, true, 1},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE(n);
        const auto& c = cases[n];
        auto timer = std::make_unique<QtTimer>();
        int ticks = 0;
        timer->setOnTick([&] {
            ++ticks;
            if (c.dropInTick) timer.reset();
        });
        for (const auto& [interval, enabled] : c.settings) {
            timer->setInterval(interval);
            timer->setEnabled(enabled);
        }
        EXPECT_EQ(timer->enabled(), c.settings.back().second);
        static_cast<void>(QTest::qWaitFor([&] { return ticks >= 2; }, c.ticks == 2 ? 5000 : 150));
        EXPECT_EQ(std::min(ticks, 2), c.ticks);
    }
}

TEST(QtServicesTest, EachServiceWorks) {
    QTemporaryDir folder;
    {
        QtServices services(nullptr, folder.path().toStdString());
        services.clipboard().setText("kestrel.com\r\nünï.net");
        EXPECT_EQ(services.clipboard().text(), "kestrel.com\r\nünï.net");
        services.clipboard().clear();
        EXPECT_EQ(services.clipboard().text(), "");

        const auto first = services.makeTimer();
        first->setInterval(100);
        first->setEnabled(true);
        const auto second = services.makeTimer();
        EXPECT_FALSE(second->enabled());
        EXPECT_EQ(second->interval(), 0);
        EXPECT_NE(services.makeTcpClient(), nullptr);

        const QDate before = QDate::currentDate();
        const quillmark::LocalTime now = services.clock().now();
        const QDate told(now.year, now.month, now.day);
        EXPECT_TRUE(told == before || told == QDate::currentDate());
        EXPECT_TRUE(QTime(now.hour, now.minute, now.second).isValid());

        services.settings().SaveSetting("Kestrelon", "Settings", "wordNumber", "9");
        EXPECT_EQ(services.settings().GetSetting("Kestrelon", "Settings", "wordNumber", ""), "9");
    }
    EXPECT_TRUE(QFile::exists(folder.filePath("Kestrelon.ini")));
}

// A box is answered with `answer`, or closed when it has no such button.
TEST(QtServicesTest, MessageBoxAnswers) {
    const struct {
        MessageButtons kind;
        QMessageBox::StandardButton answer;
        MessageResult result;
        int buttons;
    } cases[] = {
        {MessageButtons::YesNo, QMessageBox::Yes, MessageResult::Yes, 2},
        {MessageButtons::YesNo, QMessageBox::No, MessageResult::No, 2},
        {MessageButtons::YesNo, QMessageBox::Close, MessageResult::No, 2},
        {MessageButtons::Ok, QMessageBox::Ok, MessageResult::Ok, 1},
    };
    for (const auto& c : cases) {
        std::string shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            poll.stop();
            shown = (box->windowTitle() + "|" + box->text() + "|").toStdString() +
                    std::to_string(box->buttons().size());
            box->button(c.answer) ? box->button(c.answer)->click() : box->reject();
        });
        poll.start(20);
        EXPECT_EQ(QtServices().messages().show("Is <b>kestrel.com</b> free?", "Quillmark", c.kind), c.result);
        EXPECT_EQ(shown, "Quillmark|Is <b>kestrel.com</b> free?|" + std::to_string(c.buttons));
    }
}

TEST(QtFileDialogsTest, FilterPairsBecomeQtFilters) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"Text files|*.txt", "Text files (*.txt)"},
        {"Text files (*.txt)|*.txt", "Text files (*.txt)"},
        {"Text files|*.txt|All files|*.*", "Text files (*.txt);;All files (*.*)"},
        {"Word lists|*.txt;*.lst", "Word lists (*.txt *.lst)"},
        {"Word lists (*.txt;*.lst)|*.txt;*.lst", "Word lists (*.txt *.lst)"},
        {"Anything", "Anything (*)"},
        {"|*.htm", "(*.htm)"},
        {" Pages | *.htm ; *.html |", "Pages (*.htm *.html)"},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(quillmark::qt::toQtFilter(input), expected) << input;
}

}  // namespace
