#pragma once

#include "platform/Services.h"

namespace quillmark::qt {

// Opens a file with the desktop's default application for it.
class QtShell final : public Shell {
public:
    bool openWithDefaultApplication(std::string_view path) override;
};

}  // namespace quillmark::qt
