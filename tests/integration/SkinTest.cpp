#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/ProductMark.h"
#include "platform/qt/Skin.h"

namespace quillmark {
namespace {

TEST(Skin, ColoursEachControlKindFromTheThreeColours) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* text = new QLineEdit(&window);
    auto* list = new QListView(&window);
    auto* button = new QPushButton("Go", &window);
    auto* picture = new QLabel(&window);
    picture->setPixmap(qt::ProductMark(32));
    auto* frame = new QGroupBox("Frame", &window);
    auto* caption = new QLabel("Caption", frame);
    for (QWidget* widget : std::initializer_list<QWidget*>{text, list, button, picture, frame})
        layout->addWidget(widget);
    const QPalette frameBefore = frame->palette();
    const QPalette captionBefore = caption->palette();
    const QColor a(1, 2, 3), b(4, 5, 6), c(7, 8, 9);

    qt::ColourControls(&window, a, b, c);

    for (QWidget* edit : std::initializer_list<QWidget*>{text, list}) {
        EXPECT_EQ(edit->palette().color(QPalette::Base), a);
        EXPECT_EQ(edit->palette().color(QPalette::Text), b);
    }
    EXPECT_EQ(button->palette().color(QPalette::Button), a);
    EXPECT_NE(button->palette().color(QPalette::ButtonText), b);
    EXPECT_EQ(picture->palette().color(QPalette::Window), c);
    EXPECT_TRUE(picture->autoFillBackground());
    EXPECT_EQ(frame->palette(), frameBefore);
    EXPECT_EQ(caption->palette(), captionBefore);
}

}  // namespace
}  // namespace quillmark
