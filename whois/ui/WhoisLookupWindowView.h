#pragma once

#include <memory>

#include "platform/qt/WindowView.h"
#include "whois/WhoisLookupWindow.h"

class QPlainTextEdit;

namespace quillmark {

// The window "WHOIS Information": one read-only box with the raw reply in a
// fixed-pitch font. The view owns its window logic; closing the view ends the
// lookup in whatever state it is.
class WhoisLookupWindowView : public qt::WindowView {
    Q_OBJECT

public:
    explicit WhoisLookupWindowView(std::unique_ptr<WhoisLookupWindow> form, QWidget* parent = nullptr);
    ~WhoisLookupWindowView() override;

    WhoisLookupWindow& form() { return *form_; }
    QPlainTextEdit* replyBox() const { return text1_; }

private:
    void unload() override;
    void showReply();

    std::unique_ptr<WhoisLookupWindow> form_;
    QPlainTextEdit* text1_;
};

}  // namespace quillmark
