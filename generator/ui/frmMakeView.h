#pragma once

#include <QWidget>

#include "generator/frmMake.h"

class QCloseEvent;

namespace quillmark {

// The generator's widgets, bound to the controls of frmMake.
class frmMakeView : public QWidget {
    Q_OBJECT

public:
    frmMakeView(Services& services, const ProgramFolder& folder, const shell::StartupConstants& constants,
                generator::GeneratorHooks hooks, QWidget* parent = nullptr);
    ~frmMakeView() override;

    generator::frmMake& form() { return form_; }

signals:
    // The window has closed; it may be dropped.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildBand();
    QWidget* buildAppendsFrame();
    QWidget* buildGeneratedFrame();

    generator::frmMake form_;
};

}  // namespace quillmark
