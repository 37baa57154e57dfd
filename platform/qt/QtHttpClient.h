#pragma once

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <string_view>

#include "platform/HttpClient.h"
#include "platform/qt/DeleteLater.h"

namespace quillmark::qt {

// An HttpClient over a shared QNetworkAccessManager, which keeps the
// connections alive between requests. Each request gets its own reply
// object; a dropped one is disconnected at once, so none of its later
// signals reach the owner.
class QtHttpClient final : public HttpClient {
public:
    explicit QtHttpClient(QNetworkAccessManager& manager) : manager_(manager) {}
    QtHttpClient(const QtHttpClient&) = delete;
    QtHttpClient& operator=(const QtHttpClient&) = delete;
    ~QtHttpClient() override { abort(); }

    void get(std::string_view address, std::string_view accept, Done done) override;
    void abort() override;

private:
    void onRedirected(const QUrl& target);
    void onReadyRead();
    // Appends what fits under the limit; notes when something did not.
    void Keep(const QByteArray& arrived);
    void onFinished();

    QNetworkAccessManager& manager_;
    LaterPtr<QNetworkReply> reply_;
    Done done_;
    HttpReply result_;
    QString scheme_;
};

}  // namespace quillmark::qt
