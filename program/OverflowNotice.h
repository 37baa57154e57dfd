#pragma once

#include "platform/Control.h"

namespace quillmark::program {

// The notice that a full result list was saved and cleared.
class OverflowNotice {
public:
    Window window{"File backup"};
    Label message{
        "One of your lists has reached 20000 entries.  They have been saved and cleared.  You may find your "
        "backed up lists in the quillmark /overflow/ directory."};
    Button okButton{"Ok"};
};

}  // namespace quillmark::program
