#pragma once

#include "engine/MainWindow.h"
#include "platform/Control.h"
#include "platform/ListView.h"

namespace quillmark {

// The window "Unchecked Names": the names no server gave a verdict on, each
// with its reason, and a button that looks them all up again.
class UncheckedWindow {
public:
    explicit UncheckedWindow(MainWindow& main) : main_(main) {}
    UncheckedWindow(const UncheckedWindow&) = delete;
    UncheckedWindow& operator=(const UncheckedWindow&) = delete;

    void Load();
    // Chooses "Unchecked Names" in the main window and starts its run; not
    // while another run is going.
    void LookUpAgain();

    Window window{"Unchecked Names"};
    ListView names;
    Button lookUpAgainButton{"Look Up Again"};

private:
    MainWindow& main_;
};

}  // namespace quillmark
