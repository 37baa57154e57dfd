#pragma once

#include "generator/NameGenerator.h"
#include "platform/qt/WindowView.h"

namespace quillmark {

// The generator's widgets, bound to the controls of NameGenerator.
class NameGeneratorView : public qt::WindowView {
    Q_OBJECT

public:
    NameGeneratorView(Services& services, const ProgramFolder& folder,
                      const program::ProductIdentity& constants, generator::GeneratorHooks hooks,
                      QWidget* parent = nullptr);
    ~NameGeneratorView() override;

    generator::NameGenerator& form() { return form_; }

private:
    QWidget* buildBand();
    QWidget* buildAppendsFrame();
    QWidget* buildGeneratedFrame();

    generator::NameGenerator form_;
};

}  // namespace quillmark
