#include "generator/ui/GeneratorOpener.h"

namespace quillmark {

GeneratorOpener::GeneratorOpener(Services& services, const ProgramFolder& folder,
                                 const program::ProductIdentity& constants, generator::GeneratorHooks hooks)
    : services_(services), folder_(folder), constants_(constants), hooks_(std::move(hooks)) {}

GeneratorOpener::~GeneratorOpener() = default;

void GeneratorOpener::show() {
    bool made = false;
    NameGeneratorView& view = view_.open(made, services_, folder_, constants_, hooks_);
    if (!made) return qt::bringToFront(&view);
    view.form().Load();
    view.show();
}

void GeneratorOpener::close() {
    view_.close();
}
}  // namespace quillmark
