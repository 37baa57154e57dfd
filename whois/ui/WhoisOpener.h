#pragma once

#include <QPointer>
#include <string>

#include "platform/Services.h"
#include "whois/WhoisLookupWindow.h"
#include "whois/ui/WhoisLookupWindowView.h"

class QWidget;

namespace quillmark {

// Opens the whois window for a name: any earlier one is unloaded first, so
// every request is a fresh lookup in a fresh window, shown without waiting
// for it to close.
class WhoisOpener {
public:
    // parent: the window it stays in front of; it may be none.
    explicit WhoisOpener(QWidget* parent = nullptr, WhoisServer server = FixedWhoisServer());
    ~WhoisOpener();
    WhoisOpener(const WhoisOpener&) = delete;
    WhoisOpener& operator=(const WhoisOpener&) = delete;

    // By RDAP when rdapBase names the registry's server, else by whois.
    void open(Services& services, std::string name, std::string rdapBase = {});
    // The whois server the next window asks.
    void setServer(WhoisServer server) { server_ = std::move(server); }
    // Unloads the window, when there is one.
    void close();
    bool isOpen() const;
    // The window last opened, while it exists.
    WhoisLookupWindowView* view() const { return view_; }

private:
    QWidget* parent_;
    WhoisServer server_;
    QPointer<WhoisLookupWindowView> view_;
};

}  // namespace quillmark
