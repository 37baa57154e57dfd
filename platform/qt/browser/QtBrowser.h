#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Browser.h"

class QWebEngineView;

namespace quillmark::qt {

class BrowserPage;

// A Browser over a QWebEngineView that belongs to a window. It installs its
// own page in the view, to hear about frames. No event reaches the owner
// once this object or the view is gone, and a document read that a newer
// navigation has overtaken is dropped.
class QtBrowser final : public Browser {
public:
    explicit QtBrowser(QWebEngineView* view, std::string homeAddress = "about:blank");
    QtBrowser(const QtBrowser&) = delete;
    QtBrowser& operator=(const QtBrowser&) = delete;
    ~QtBrowser() override;

    void setEvents(Events events) override { events_ = std::move(events); }
    void Navigate(std::string_view address) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void Refresh() override;
    void Stop() override;
    std::string bodyMarkup() const override { return markup_; }
    std::string LocationURL() const override;
    std::string LocationName() const override;

private:
    void onLoadStarted();
    void onLoadFinished(bool ok);
    // Reads the top document's body and raises documentComplete with it.
    void readDocument();

    QPointer<QWebEngineView> view_;
    // Receiver of the page's signals and guard of script results: both die
    // with this object.
    QObject context_;
    Events events_;
    std::string home_;
    std::string markup_;
    // Counts page loads; a script result from an earlier one is stale.
    std::uint64_t generation_ = 0;
};

}  // namespace quillmark::qt
