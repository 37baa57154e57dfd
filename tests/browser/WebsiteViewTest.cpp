#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <string>

#include "platform/qt/Skin.h"
#include "program/ui/website/WebsiteOpener.h"
#include "program/ui/website/WebsiteWindowView.h"
#include "support/LocalHttpServer.h"

namespace quillmark {
namespace {

using testing::LocalHttpServer;

constexpr int kFirstLoadMs = 20000;
constexpr int kLoadMs = 10000;

class WebsiteView : public ::testing::Test {
protected:
    WebsiteView() {
        server.page("/", "<html><head><title>First page</title></head><body>first</body></html>");
        server.page("/two", "<html><head><title>Second page</title></head><body>second</body></html>");
        // As configured: a bare host, no scheme.
        constants.WebAddress = server.hostAndPath("/");
        constants.ProductDetailsAddress = server.url("/two");
    }

    // The page has loaded when the window shows its title.
    bool shows(const char* title, int timeoutMs = kLoadMs) {
        return QTest::qWaitFor([&] { return window.view() && window.view()->windowTitle() == title; },
                               timeoutMs);
    }
    QLineEdit* addressBox() const { return window.view()->findChild<QLineEdit*>(); }
    QPushButton* button(const char* caption) const {
        for (auto* button : window.view()->findChildren<QPushButton*>()) {
            if (button->text() == caption) return button;
        }
        return nullptr;
    }

    LocalHttpServer server;
    program::ProductIdentity constants = program::ThisProduct();
    bool WebsiteMode = false;
    bool MainClosed = false;
    int ended = 0;
    program::WebsiteHooks hooks{{}, [this] { ++ended; }};
    WebsiteOpener window{constants, WebsiteMode, MainClosed, hooks};
};

TEST_F(WebsiteView, FollowsThePagesItShowsAndEndsTheProgramAfterTheMainWindow) {
    window.show();
    ASSERT_TRUE(shows("Second page", kFirstLoadMs)) << "the product details open first";
    WebsiteWindowView* first = window.view();
    EXPECT_EQ(addressBox()->text().toStdString(), server.url("/two"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(first->isMaximized());
    EXPECT_FALSE(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(addressBox()->palette().color(QPalette::Base), qt::StandardSkin().a) << "skinned";
    EXPECT_NE(first->findChild<QLabel*>("panel2"), nullptr);

    // The purchase road: the open window is reused and sent elsewhere.
    window.show(server.url("/"));
    ASSERT_TRUE(shows("First page"));
    EXPECT_EQ(window.view(), first);
    EXPECT_EQ(addressBox()->text().toStdString(), server.url("/"));

    QTest::mouseClick(button("Back"), Qt::LeftButton);
    ASSERT_TRUE(shows("Second page"));

    addressBox()->clear();
    QTest::keyClicks(addressBox(), QString::fromStdString(server.hostAndPath("/")));
    QTest::keyClick(addressBox(), Qt::Key_Return);
    ASSERT_TRUE(shows("First page"));
    EXPECT_EQ(addressBox()->text().toStdString(), server.url("/"));

    MainClosed = true;
    QPointer<WebsiteWindowView> closing(first);
    first->close();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }, kLoadMs));

    // Opened again, it loads anew on the web address.
    window.show();
    ASSERT_TRUE(shows("First page", kLoadMs));
    EXPECT_EQ(addressBox()->text().toStdString(), server.url("/"));
    EXPECT_TRUE(WebsiteMode);
}

}  // namespace
}  // namespace quillmark
