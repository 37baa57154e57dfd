#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include "fakes/FakeServices.h"
#include "platform/qt/QtTcpClient.h"
#include "support/LocalWhoisServer.h"
#include "whois/ui/WhoisOpener.h"

namespace quillmark {
namespace {

using testing::LocalWhoisServer;

class RealSocketServices : public testing::FakeServices {
public:
    std::unique_ptr<TcpClient> makeTcpClient() override { return std::make_unique<qt::QtTcpClient>(); }
};

// A second name replaces the window and its lookup; the reply that came in pieces is
// shown whole, once, with its line ends as the reply box keeps them.
TEST(WhoisWindowView, SecondNameReplacesTheWindowAndItsReplyIsShownWholeOnce) {
    LocalWhoisServer server;
    RealSocketServices services;
    WhoisOpener window{nullptr, WhoisServer{"127.0.0.1", server.port()}};
    window.open(services, "silent.com");
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.queries().count("silent.com") == 1; }));
    const QPointer<WhoisLookupWindowView> first = window.view();

    window.open(services, "pieces.com");
    EXPECT_TRUE(first.isNull());
    WhoisLookupWindowView* view = window.view();
    int changes = 0;
    QObject::connect(view->replyBox(), &QPlainTextEdit::textChanged, [&changes] { ++changes; });
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->form().finished(); }));
    const auto sent = *LocalWhoisServer::defaultRule()("pieces.com").text;
    EXPECT_EQ(view->replyBox()->toPlainText(), QString::fromStdString(sent).replace("\r\n", "\n"));
    EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace quillmark
