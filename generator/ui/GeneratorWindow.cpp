#include "generator/ui/GeneratorWindow.h"

namespace quillmark {

GeneratorWindow::GeneratorWindow(Services& services, const ProgramFolder& folder,
                                 const shell::StartupConstants& constants, generator::GeneratorHooks hooks)
    : services_(services), folder_(folder), constants_(constants), hooks_(std::move(hooks)) {}

GeneratorWindow::~GeneratorWindow() = default;

void GeneratorWindow::show() {
    bool made = false;
    frmMakeView& view = view_.open(made, services_, folder_, constants_, hooks_);
    if (!made) return qt::bringToFront(&view);
    view.form().Form_Load();
    view.show();
}

void GeneratorWindow::close() {
    view_.close();
}
}  // namespace quillmark
