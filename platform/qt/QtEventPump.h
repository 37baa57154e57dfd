#pragma once

#include "platform/Services.h"

namespace quillmark::qt {

// Lets the events already waiting run, nested inside the caller.
class QtEventPump final : public EventPump {
public:
    void processPendingEvents() override;
};

}  // namespace quillmark::qt
