#include "platform/qt/ProductMark.h"

#include "platform/qt/Skin.h"

namespace quillmark::qt {

namespace {

const QPixmap& Original() {
    static const QPixmap mark = [] {
        LoadSkinResources();
        return QPixmap(":/skin/quillmark.png");
    }();
    return mark;
}

}  // namespace

QPixmap ProductMark(int side) {
    return Original().scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon ProductIcon() {
    return QIcon(Original());
}

}  // namespace quillmark::qt
