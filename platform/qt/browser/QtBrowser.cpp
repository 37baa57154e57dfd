#include "QtBrowser.h"

#include <QUrl>
#include <QVariant>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

#include "platform/qt/WidgetSync.h"
#include "platform/qt/browser/BrowserPage.h"

namespace quillmark::qt {

namespace {

const QString kBodyMarkup = QStringLiteral("document.body ? document.body.innerHTML : ''");

// A full address as given; anything else as a person would type it.
QUrl toUrl(std::string_view address) {
    const QString text = toQString(address).trimmed();
    const QUrl url(text, QUrl::TolerantMode);
    return url.isRelative() ? QUrl::fromUserInput(text) : url;
}

}  // namespace

QtBrowser::QtBrowser(QWebEngineView* view, std::string homeAddress)
    : view_(view), home_(std::move(homeAddress)) {
    auto* page = new BrowserPage(view->page()->profile(), view);
    view->setPage(page);
    QObject::connect(page, &QWebEnginePage::loadStarted, &context_, [this] { onLoadStarted(); });
    // The end of a load, with whether the browser put its error page in its place.
    QObject::connect(page, &QWebEnginePage::loadingChanged, &context_,
                     [this](const QWebEngineLoadingInfo& info) {
                         if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
                             onLoadFinished(!info.isErrorPage());
                     });
    QObject::connect(page, &BrowserPage::frameLoaded, &context_, [this] { readDocument(); });
    QObject::connect(page, &QWebEnginePage::titleChanged, &context_, [this](const QString& title) {
        if (events_.titleChange) events_.titleChange(title.toStdString());
    });
    QObject::connect(page, &QWebEnginePage::linkHovered, &context_, [this](const QString& url) {
        if (events_.statusTextChange) events_.statusTextChange(url.toStdString());
    });
}

QtBrowser::~QtBrowser() = default;

void QtBrowser::Navigate(std::string_view address) {
    const QUrl url = toUrl(address);
    if (view_ && url.isValid()) view_->setUrl(url);
}

void QtBrowser::GoBack() {
    if (view_) view_->back();
}

void QtBrowser::GoForward() {
    if (view_) view_->forward();
}

void QtBrowser::GoHome() {
    Navigate(home_);
}

void QtBrowser::Refresh() {
    if (view_) view_->reload();
}

void QtBrowser::Stop() {
    if (view_) view_->stop();
}

std::string QtBrowser::LocationURL() const {
    return view_ ? view_->url().toString().toStdString() : std::string();
}

std::string QtBrowser::LocationName() const {
    return view_ ? view_->title().toStdString() : std::string();
}

void QtBrowser::onLoadStarted() {
    ++generation_;
    if (events_.downloadBegin) events_.downloadBegin();
}

// A stopped load still shows what came of the page, so only the error page
// counts as a page that did not load.
void QtBrowser::onLoadFinished(bool ok) {
    // The owner may drop this browser from inside its handlers.
    const QPointer<QObject> alive(&context_);
    if (events_.downloadComplete) events_.downloadComplete();
    if (alive && events_.pageLoaded) events_.pageLoaded(ok);
    if (alive) readDocument();
}

void QtBrowser::readDocument() {
    if (!view_) return;
    const QPointer<QObject> alive(&context_);
    const QPointer<QWebEngineView> view = view_;
    view_->page()->runJavaScript(kBodyMarkup, QWebEngineScript::ApplicationWorld,
                                 [this, alive, view, generation = generation_](const QVariant& result) {
                                     if (!alive || !view || generation != generation_) return;
                                     markup_ = result.toString().toStdString();
                                     if (events_.documentComplete) events_.documentComplete(markup_);
                                 });
}

}  // namespace quillmark::qt
