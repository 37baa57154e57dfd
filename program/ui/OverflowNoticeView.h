#pragma once

#include <QDialog>
#include <memory>

#include "program/OverflowNotice.h"

namespace quillmark {

// The overflow notice: shown without waiting, deletes itself when closed.
class OverflowNoticeView : public QDialog {
    Q_OBJECT

public:
    explicit OverflowNoticeView(QWidget* parent = nullptr);
    static void ShowNotice(QWidget* parent);

private:
    program::OverflowNotice form_;
};

}  // namespace quillmark
