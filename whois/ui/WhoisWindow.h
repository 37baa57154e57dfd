#pragma once

#include <QPointer>
#include <string>

#include "platform/Services.h"
#include "whois/frmWhois.h"
#include "whois/ui/frmWhoisView.h"

class QWidget;

namespace quillmark {

// Opens the whois window for a name: any earlier one is unloaded first, so
// every request is a fresh lookup in a fresh window, shown without waiting
// for it to close.
class WhoisWindow {
public:
    // parent: the window it stays in front of; it may be none.
    explicit WhoisWindow(QWidget* parent = nullptr, WhoisServer server = FixedWhoisServer());
    ~WhoisWindow();
    WhoisWindow(const WhoisWindow&) = delete;
    WhoisWindow& operator=(const WhoisWindow&) = delete;

    void open(Services& services, std::string name);
    // Unloads the window, when there is one.
    void close();
    bool isOpen() const;
    // The window last opened, while it exists.
    frmWhoisView* view() const { return view_; }

private:
    QWidget* parent_;
    WhoisServer server_;
    QPointer<frmWhoisView> view_;
};

}  // namespace quillmark
