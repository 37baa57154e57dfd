#pragma once

#include "generator/frmMake.h"
#include "generator/ui/frmMakeView.h"
#include "platform/qt/WindowSlot.h"

namespace quillmark {

// Opens the generator for the main window: one window at a time, loaded when
// opened and dropped when closed.
class GeneratorWindow {
public:
    GeneratorWindow(Services& services, const ProgramFolder& folder, const shell::StartupConstants& constants,
                    generator::GeneratorHooks hooks);
    GeneratorWindow(const GeneratorWindow&) = delete;
    GeneratorWindow& operator=(const GeneratorWindow&) = delete;
    ~GeneratorWindow();

    // Loads and shows the window, or brings the open one to the front.
    void show();
    void close();
    frmMakeView* view() const { return view_.get(); }

private:
    Services& services_;
    const ProgramFolder& folder_;
    const shell::StartupConstants& constants_;
    generator::GeneratorHooks hooks_;
    qt::WindowSlot<frmMakeView> view_;
};

}  // namespace quillmark
