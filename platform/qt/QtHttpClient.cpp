#include "platform/qt/QtHttpClient.h"

#include <QNetworkRequest>
#include <QUrl>
#include <algorithm>
#include <utility>

namespace quillmark::qt {

namespace {

constexpr int kMostRedirects = 5;

std::string Header(const QNetworkReply& reply, const char* name) {
    return reply.rawHeader(name).toStdString();
}

HttpFailure FailureOf(QNetworkReply::NetworkError error) {
    return error == QNetworkReply::SslHandshakeFailedError ? HttpFailure::Tls : HttpFailure::NoAnswer;
}

}  // namespace

void QtHttpClient::get(std::string_view address, std::string_view accept, Done done) {
    abort();
    const QUrl url(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())));
    QNetworkRequest request(url);
    request.setRawHeader("Accept", QByteArray(accept.data(), static_cast<qsizetype>(accept.size())));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMostRedirects);
    scheme_ = url.scheme();
    result_ = {};
    done_ = std::move(done);
    reply_.reset(manager_.get(request));
    QNetworkReply* reply = reply_.get();
    QObject::connect(reply, &QNetworkReply::redirected, reply, [this](const QUrl& to) { onRedirected(to); });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [this] { onReadyRead(); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this] { onFinished(); });
}

void QtHttpClient::abort() {
    if (!reply_) return;
    reply_->disconnect();
    reply_->abort();
    reply_.reset();
    done_ = nullptr;
}

// A redirect to another scheme would turn an encrypted request into a plain one.
void QtHttpClient::onRedirected(const QUrl& target) {
    if (target.scheme() == scheme_) {
        emit reply_->redirectAllowed();
        return;
    }
    result_.failure = HttpFailure::RedirectRefused;
    result_.failureText = "redirected to " + target.toString().toStdString();
    reply_->abort();
}

// Past the limit the request ends: the status has arrived, the rest is not wanted.
void QtHttpClient::onReadyRead() {
    Keep(reply_->readAll());
    if (result_.bodyCut) reply_->abort();
}

void QtHttpClient::Keep(const QByteArray& arrived) {
    const std::size_t room = kHttpBodyLimit - result_.body.size();
    result_.body.append(arrived.constData(), std::min(room, static_cast<std::size_t>(arrived.size())));
    if (static_cast<std::size_t>(arrived.size()) > room) result_.bodyCut = true;
}

void QtHttpClient::onFinished() {
    QNetworkReply& reply = *reply_;
    if (!result_.bodyCut && reply.isReadable()) Keep(reply.readAll());
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (result_.failure == HttpFailure::None) {
        if (status.isValid() && (result_.bodyCut || reply.error() != QNetworkReply::OperationCanceledError)) {
            result_.status = status.toInt();
        } else {
            result_.failure = FailureOf(reply.error());
            result_.failureText = reply.errorString().toStdString();
        }
    }
    if (result_.status != 0) {
        result_.retryAfter = Header(reply, "Retry-After");
        result_.date = Header(reply, "Date");
    }
    reply.disconnect();
    reply_.reset();
    // The owner may start its next request from inside done.
    const Done done = std::exchange(done_, nullptr);
    if (done) done(std::exchange(result_, {}));
}

}  // namespace quillmark::qt
