#pragma once

#include <QString>
#include <QWidget>
#include <string_view>

#include "platform/Control.h"

// Small pieces shared by the bindings.
namespace quillmark::qt {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Enabled, visible and tool tip. Visibility is touched only when it differs:
// setVisible(true) on a shown widget is not free.
inline void applyControl(const Control& state, QWidget* widget) {
    widget->setEnabled(state.enabled());
    if (widget->isHidden() == state.visible()) widget->setVisible(state.visible());
    const QString tip = toQString(state.toolTip());
    if (widget->toolTip() != tip) widget->setToolTip(tip);
}

}  // namespace quillmark::qt
