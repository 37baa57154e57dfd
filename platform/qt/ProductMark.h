#pragma once

#include <QIcon>
#include <QPixmap>

namespace quillmark::qt {

// The product's mark (the icon the desktop shows), for the splash, the about
// window and the window icon.
QPixmap ProductMark(int side);
QIcon ProductIcon();

}  // namespace quillmark::qt
