#pragma once

#include "platform/Control.h"

namespace quillmark::program {

// The notice that a full result list was saved and cleared.
class OverflowNotice {
public:
    Window Me{"File backup"};
    Label Label1{
        "One of your lists has reached 20000 entries.  They have been saved and cleared.  You may find your "
        "backed up lists in the quillmark /overflow/ directory."};
    Button Command1{"Ok"};
};

}  // namespace quillmark::program
