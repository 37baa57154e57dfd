#pragma once

#include "platform/Services.h"

namespace quillmark::qt {

// The desktop clipboard, plain text only, with the desktop's line ends.
class QtClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(std::string_view text) override;
    std::string text() const override;
};

}  // namespace quillmark::qt
