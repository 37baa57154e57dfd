#pragma once

#include "generator/NameGenerator.h"
#include "generator/ui/NameGeneratorView.h"
#include "platform/qt/WindowSlot.h"

namespace quillmark {

// Opens the generator for the main window: one window at a time, loaded when
// opened and dropped when closed.
class GeneratorOpener {
public:
    GeneratorOpener(Services& services, const ProgramFolder& folder,
                    const program::ProductIdentity& constants, generator::GeneratorHooks hooks);
    GeneratorOpener(const GeneratorOpener&) = delete;
    GeneratorOpener& operator=(const GeneratorOpener&) = delete;
    ~GeneratorOpener();

    // Loads and shows the window, or brings the open one to the front.
    void show();
    void close();
    NameGeneratorView* view() const { return view_.get(); }

private:
    Services& services_;
    const ProgramFolder& folder_;
    const program::ProductIdentity& constants_;
    generator::GeneratorHooks hooks_;
    qt::WindowSlot<NameGeneratorView> view_;
};

}  // namespace quillmark
