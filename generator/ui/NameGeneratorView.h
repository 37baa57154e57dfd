#pragma once

#include <QWidget>

#include "generator/NameGenerator.h"

class QCloseEvent;

namespace quillmark {

// The generator's widgets, bound to the controls of NameGenerator.
class NameGeneratorView : public QWidget {
    Q_OBJECT

public:
    NameGeneratorView(Services& services, const ProgramFolder& folder,
                      const program::ProductIdentity& constants, generator::GeneratorHooks hooks,
                      QWidget* parent = nullptr);
    ~NameGeneratorView() override;

    generator::NameGenerator& form() { return form_; }

signals:
    // The window has closed; it may be dropped.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildBand();
    QWidget* buildAppendsFrame();
    QWidget* buildGeneratedFrame();

    generator::NameGenerator form_;
};

}  // namespace quillmark
