#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "platform/qt/ProductMark.h"
#include "platform/qt/Skin.h"

namespace quillmark {
namespace {

TEST(Skin, ColoursEachControlKindFromTheThreeColours) {
    QWidget window;
    auto* text = new QLineEdit(&window);
    auto* list = new QListView(&window);
    auto* button = new QPushButton("Go", &window);
    auto* picture = new QLabel(&window);
    picture->setPixmap(qt::ProductMark(32));
    auto* frame = new QGroupBox("Frame", &window);
    auto* caption = new QLabel("Caption", frame);
    const QPalette frameBefore = frame->palette(), captionBefore = caption->palette();
    const QColor a(1, 2, 3), b(4, 5, 6), c(7, 8, 9);

    qt::ColourControls(&window, a, b, c);

    const struct {
        QWidget* widget;
        QPalette::ColorRole role;
        QColor colour;
    } rows[] = {{text, QPalette::Base, a}, {text, QPalette::Text, b},     {list, QPalette::Base, a},
                {list, QPalette::Text, b}, {button, QPalette::Button, a}, {picture, QPalette::Window, c}};
    for (const auto& row : rows)
        EXPECT_EQ(row.widget->palette().color(row.role), row.colour) << row.widget->metaObject()->className();
    EXPECT_NE(button->palette().color(QPalette::ButtonText), b);
    EXPECT_TRUE(picture->autoFillBackground());
    EXPECT_EQ(frame->palette(), frameBefore);
    EXPECT_EQ(caption->palette(), captionBefore);
}

}  // namespace
}  // namespace quillmark
