#pragma once

#include <QDialog>
#include <memory>

#include "shell/Form2.h"

namespace quillmark {

// The overflow notice: shown without waiting, deletes itself when closed.
class Form2View : public QDialog {
    Q_OBJECT

public:
    explicit Form2View(QWidget* parent = nullptr);
    static void ShowNotice(QWidget* parent);

private:
    shell::Form2 form_;
};

}  // namespace quillmark
