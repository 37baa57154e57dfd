#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <string>

#include "program/ui/website/WebsiteOpener.h"
#include "program/ui/website/WebsiteWindowView.h"
#include "support/LocalHttpServer.h"

namespace quillmark {
namespace {

// Generous: the first load also starts the browser engine.
constexpr int kLoadMs = 20000;

TEST(WebsiteView, FollowsThePagesItShowsAndEndsTheProgramAfterTheMainWindow) {
    testing::LocalHttpServer server;
    server.page("/", "<html><head><title>First page</title></head><body>first</body></html>");
    server.page("/two", "<html><head><title>Second page</title></head><body>second</body></html>");
    program::ProductIdentity constants;
    program::SetProductIdentity(constants);
    constants.WebAddress = server.hostAndPath("/");  // as configured: a bare host, no scheme
    constants.ProductDetailsAddress = server.url("/two");
    std::string mode;
    bool mainClosed = false;
    int skinned = 0, ended = 0;
    WebsiteOpener window{constants, mode, mainClosed, {{}, [&] { ++skinned; }, {}, [&] { ++ended; }}};
    // The page has loaded when the window shows its title and address.
    const auto shows = [&](const char* title, const char* path) {
        return QTest::qWaitFor([&] { return window.view() && window.view()->windowTitle() == title; },
                               kLoadMs) &&
               window.view()->findChild<QLineEdit*>()->text().toStdString() == server.url(path);
    };

    window.show();
    ASSERT_TRUE(shows("Second page", "/two")) << "the product details open first";
    WebsiteWindowView* first = window.view();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(first->isMaximized());
    EXPECT_FALSE(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(skinned, 1);
    EXPECT_NE(first->findChild<QLabel*>("panel2"), nullptr);

    // The purchase road: the open window is reused and sent elsewhere.
    window.show(server.url("/"));
    ASSERT_TRUE(shows("First page", "/"));
    EXPECT_EQ(window.view(), first);
    for (auto* button : first->findChildren<QPushButton*>()) {
        if (button->text() == "Back") QTest::mouseClick(button, Qt::LeftButton);
    }
    ASSERT_TRUE(shows("Second page", "/two"));
    auto* address = first->findChild<QLineEdit*>();
    address->clear();
    QTest::keyClicks(address, QString::fromStdString(server.hostAndPath("/")));
    QTest::keyClick(address, Qt::Key_Return);
    ASSERT_TRUE(shows("First page", "/"));

    mainClosed = true;
    QPointer<WebsiteWindowView> closing(first);
    first->close();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }, kLoadMs));

    // Opened again, it loads anew on the web address.
    window.show();
    ASSERT_TRUE(shows("First page", "/"));
    EXPECT_EQ(mode, "Website");
}

}  // namespace
}  // namespace quillmark
