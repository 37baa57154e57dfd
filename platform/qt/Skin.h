#pragma once

#include <QColor>

class QApplication;
class QWidget;

namespace quillmark::qt {

// The three colours every skinned window takes its control colours from.
struct SkinColours {
    QColor a;  // background of buttons and of edit and list controls
    QColor b;  // text of edit and list controls
    QColor c;  // background of pictures
};

SkinColours StandardSkin();

// Makes the skin's style sheet and pictures readable; any number of calls.
void LoadSkinResources();

// The look shared by all windows: the style, the palette and the shipped
// style sheet. Once, before the first window.
void StartSkin(QApplication& application);

// Colours the controls of a window by their kind: buttons take A; text,
// combo and list controls A with text B; pictures C; labels, frames and
// check boxes keep theirs.
void ColourControls(QWidget* window, const QColor& a, const QColor& b, const QColor& c);

// ColourControls with the standard skin's colours.
void ApplySkin(QWidget* window);

// Keeps a window above all others, or stops doing so, where it stands.
void SetOnTop(QWidget* window, bool on);

}  // namespace quillmark::qt
