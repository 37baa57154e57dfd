#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTimer.h"

namespace {

using quillmark::MessageButtons;
using quillmark::MessageResult;
using quillmark::qt::QtServices;
using quillmark::qt::QtTimer;

TEST(QtTimerTest, TicksOnlyWhileEnabledWithAnInterval) {
    QtTimer timer;
    int ticks = 0;
    timer.setOnTick([&] { ++ticks; });
    timer.setInterval(10);
    QTest::qWait(100);
    EXPECT_EQ(ticks, 0) << "a timer starts disabled";
    timer.setInterval(0);
    timer.setEnabled(true);
    QTest::qWait(100);
    EXPECT_EQ(ticks, 0) << "a zero interval never ticks";
    EXPECT_TRUE(timer.enabled());

    timer.setInterval(10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000)) << "a new interval takes effect";
    timer.setInterval(60000);
    int before = ticks;
    QTest::qWait(150);
    EXPECT_EQ(ticks, before);

    timer.setInterval(10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > before; }, 5000));
    timer.setEnabled(false);
    before = ticks;
    QTest::qWait(100);
    EXPECT_EQ(ticks, before);
    EXPECT_FALSE(timer.enabled());
}

TEST(QtTimerTest, TimerDroppedInsideItsTick) {
    auto timer = std::make_unique<QtTimer>();
    int ticks = 0;
    timer->setOnTick([&] {
        ++ticks;
        timer.reset();
    });
    timer->setInterval(5);
    timer->setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 1; }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(timer, nullptr);
}

TEST(QtServicesTest, ClipboardClockAndIndependentClientsAndTimers) {
    QtServices services;
    services.clipboard().setText("kestrel.com\r\nünï.net");
    EXPECT_EQ(services.clipboard().text(), "kestrel.com\r\nünï.net");
    services.clipboard().clear();
    EXPECT_EQ(services.clipboard().text(), "");

    const auto first = services.makeTimer();
    const auto second = services.makeTimer();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    first->setInterval(100);
    first->setEnabled(true);
    EXPECT_FALSE(second->enabled());
    EXPECT_EQ(second->interval(), 0);
    const auto client = services.makeTcpClient();
    ASSERT_NE(client, nullptr);
    EXPECT_NE(client.get(), services.makeTcpClient().get());

    const QDate before = QDate::currentDate();
    const quillmark::LocalTime now = services.clock().now();
    const QDate told(now.year, now.month, now.day);
    EXPECT_TRUE(told == before || told == QDate::currentDate());
    EXPECT_TRUE(QTime(now.hour, now.minute, now.second).isValid());
}

TEST(QtServicesTest, SettingsLiveInTheGivenFolder) {
    QTemporaryDir folder;
    {
        QtServices services(nullptr, folder.path().toStdString());
        services.settings().SaveSetting("Kestrelon", "Settings", "wordNumber", "9");
        EXPECT_EQ(services.settings().GetSetting("Kestrelon", "Settings", "wordNumber", ""), "9");
    }
    EXPECT_TRUE(QFile::exists(folder.path() + "/Kestrelon.ini"));
}

// ---- Message boxes ----------------------------------------------------------

// Shows a message box through the service and answers it with `answer`,
// reporting the text and title it showed.
struct Answered {
    MessageResult result;
    QString text;
    QString title;
    QString buttons;
};

Answered answerMessage(MessageButtons buttons, QMessageBox::StandardButton answer) {
    Answered seen{};
    QTimer poll;
    const QDeadlineTimer deadline(5000);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible()) continue;
            seen.text = box->text();
            seen.title = box->windowTitle();
            for (QAbstractButton* button : box->buttons()) seen.buttons += button->text() + "|";
            if (deadline.hasExpired() || box->button(answer) == nullptr) {
                box->reject();  // never leave the test waiting on a box
            } else {
                box->button(answer)->click();
            }
            poll.stop();
        }
    });
    poll.start(20);
    QtServices services;
    seen.result = services.messages().show("Is <b>kestrel.com</b> free?", "Quillmark", buttons);
    return seen;
}

TEST(QtServicesTest, MessageBoxAnswers) {
    const Answered yes = answerMessage(MessageButtons::YesNo, QMessageBox::Yes);
    EXPECT_EQ(yes.result, MessageResult::Yes);
    EXPECT_EQ(yes.text, "Is <b>kestrel.com</b> free?");
    EXPECT_EQ(yes.title, "Quillmark");

    EXPECT_EQ(answerMessage(MessageButtons::YesNo, QMessageBox::No).result, MessageResult::No);

    const Answered ok = answerMessage(MessageButtons::Ok, QMessageBox::Ok);
    EXPECT_EQ(ok.result, MessageResult::Ok);
    EXPECT_EQ(ok.buttons.count('|'), 1) << ok.buttons.toStdString();
}

TEST(QtFileDialogsTest, FilterPairsBecomeQtFilters) {
    using quillmark::qt::toQtFilter;
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
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(toQtFilter(input), expected) << "input: " << input;
    }
}

}  // namespace
