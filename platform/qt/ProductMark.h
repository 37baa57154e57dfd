#pragma once

#include <QIcon>
#include <QPixmap>

namespace quillmark::qt {

// The product's mark, drawn rather than loaded: a globe under a quill nib on
// a rounded tile. The same picture serves the splash, the about window and
// the window icon.
QPixmap ProductMark(int side);
QIcon ProductIcon();

}  // namespace quillmark::qt
