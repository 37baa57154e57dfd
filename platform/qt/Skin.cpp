#include "platform/qt/Skin.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTextEdit>

// The skin's files are resources of a static library: they must be pulled
// in by name, once.
static void InitSkinResource() {
    Q_INIT_RESOURCE(skin);
}

namespace quillmark::qt {

namespace {

QPalette StandardPalette(const SkinColours& skin) {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0xEE, 0xF2, 0xF7));
    palette.setColor(QPalette::WindowText, skin.b);
    palette.setColor(QPalette::Base, skin.a);
    palette.setColor(QPalette::AlternateBase, QColor(0xF1, 0xF5, 0xFB));
    palette.setColor(QPalette::Text, skin.b);
    palette.setColor(QPalette::Button, skin.a);
    palette.setColor(QPalette::ButtonText, skin.b);
    palette.setColor(QPalette::Highlight, QColor(0x2F, 0x6F, 0xDE));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Mid, QColor(0xB8, 0xC2, 0xD0));
    palette.setColor(QPalette::Midlight, QColor(0xDC, 0xE3, 0xEC));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFB, 0xE6));
    palette.setColor(QPalette::ToolTipText, skin.b);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8A, 0x94, 0xA3));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8A, 0x94, 0xA3));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8A, 0x94, 0xA3));
    return palette;
}

enum class Kind { Button, Edit, Picture, Other };

Kind KindOf(const QWidget* widget) {
    if (qobject_cast<const QPushButton*>(widget) != nullptr) return Kind::Button;
    if (qobject_cast<const QLineEdit*>(widget) != nullptr ||
        qobject_cast<const QComboBox*>(widget) != nullptr ||
        qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
        qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
        qobject_cast<const QTextEdit*>(widget) != nullptr) {
        return Kind::Edit;
    }
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label != nullptr && !label->pixmap().isNull()) return Kind::Picture;
    return Kind::Other;
}

void Recolour(QWidget* widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours) {
    QPalette palette = widget->palette();
    for (const auto& [role, colour] : colours) palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

void LoadSkinResources() {
    static const bool loaded = [] {
        InitSkinResource();
        return true;
    }();
    static_cast<void>(loaded);
}

SkinColours StandardSkin() {
    return {QColor(0xFB, 0xFC, 0xFE), QColor(0x1F, 0x29, 0x37), QColor(0xE3, 0xEB, 0xF6)};
}

void StartSkin(QApplication& application) {
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    QApplication::setPalette(StandardPalette(StandardSkin()));
    LoadSkinResources();
    QFile sheet(":/skin/Quillmark.qss");
    if (sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        application.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

void ColourControls(QWidget* window, const QColor& a, const QColor& b, const QColor& c) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        switch (KindOf(widget)) {
            case Kind::Button:
                Recolour(widget, {{QPalette::Button, a}});
                break;
            case Kind::Edit:
                Recolour(widget, {{QPalette::Base, a}, {QPalette::Text, b}});
                break;
            case Kind::Picture:
                Recolour(widget, {{QPalette::Window, c}});
                widget->setAutoFillBackground(true);
                break;
            case Kind::Other:
                break;
        }
    }
}

void ApplySkin(QWidget* window) {
    const SkinColours skin = StandardSkin();
    ColourControls(window, skin.a, skin.b, skin.c);
}

// Changing the flags of a shown window hides it; it comes back where it was.
void SetOnTop(QWidget* window, bool on) {
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) window->show();
}

}  // namespace quillmark::qt
