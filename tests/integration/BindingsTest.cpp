#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "platform/qt/Bindings.h"

namespace {

using namespace quillmark;

bool shown(QWidget& widget) {
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

// Tool tip and any caption show from the start, enabled and visibility after
// each change, names never as markup; a widget gone before its state is
// harmless.
template <typename State, typename Widget, typename... Handler>
void expectStateShown(Handler... handler) {
    SCOPED_TRACE(Widget::staticMetaObject.className());
    constexpr bool captioned = std::is_base_of_v<CaptionControl, State>;
    const char* caption = std::is_same_v<Widget, QGroupBox> ? "title" : "text";
    State state;
    state.setToolTip("Names found free");
    if constexpr (captioned) state.setCaption("<b>Names</b>");
    auto widget = std::make_unique<Widget>();
    qt::bind(state, widget.get(), handler...);
    widget->show();
    EXPECT_EQ(widget->toolTip() + widget->property(caption).toString(),
              captioned ? "Names found free<b>Names</b>" : "Names found free");
    if constexpr (std::is_same_v<Widget, QLabel>) {
        EXPECT_EQ(widget->textFormat(), Qt::PlainText);
    }
    state.setEnabled(false);
    state.setVisible(false);
    EXPECT_TRUE(!widget->isEnabled() && widget->isHidden());
    state.setVisible(true);
    EXPECT_TRUE(widget->isVisible());
    widget.reset();
    state.setEnabled(true);
}

TEST(BindingsTest, StateShowsOnEveryKindOfWidget) {
    expectStateShown<TextBox, QLineEdit>();
    expectStateShown<Label, QLabel>();
    expectStateShown<Frame, QGroupBox>();
    expectStateShown<Button, QPushButton>(std::function<void()>());
    expectStateShown<CheckBox, QCheckBox>();
    expectStateShown<ComboBox, QComboBox>();
    expectStateShown<StatusBar, QStatusBar>();

    StatusBar status(2);  // panels from the start, and those added later
    status.setPanelText(1, "Ready");
    QStatusBar bar;
    qt::bind(status, &bar);
    status.addPanel();
    status.setPanelText(3, "kestrel.com");
    std::string panels;
    for (const QLabel* panel : bar.findChildren<QLabel*>()) panels += "[" + panel->text().toStdString() + "]";
    EXPECT_EQ(panels, "[Ready][][kestrel.com]");
}

// The user's edits and clicks set the state before the handler hears of
// them; the state set in code shows without calling it.
TEST(BindingsTest, UserActionsReachTheStateThenTheHandler) {
    std::string log;
    TextBox text;
    text.setText("hello");
    QLineEdit edit;
    qt::bind(text, &edit, [&] { log += text.text() + " "; });
    qt::bindReturnPressed(&edit, [&] { log += "return "; });
    ASSERT_TRUE(shown(edit));
    edit.setCursorPosition(2);
    QTest::keyClicks(&edit, "XY");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Return);
    text.setText("ünï words");
    EXPECT_EQ(edit.text(), "ünï words");

    CheckBox check;
    QCheckBox box;
    qt::bind(check, &box, [&] { log += std::to_string(check.value()); });
    ASSERT_TRUE(shown(box));
    check.setValue(1);
    EXPECT_EQ(box.checkState(), Qt::Checked);
    check.setValue(2);  // greyed comes from the state only: a click makes it plain
    EXPECT_EQ(box.checkState(), Qt::PartiallyChecked);
    for (int n = 0; n < 3; ++n) QTest::mouseClick(&box, Qt::LeftButton);
    check.setValue(0);
    EXPECT_EQ(box.checkState(), Qt::Unchecked);

    Button button;
    QPushButton push;
    qt::bind(button, &push, [&] { log += " start"; });
    ASSERT_TRUE(shown(push));
    QTest::mouseClick(&push, Qt::LeftButton);
    button.setEnabled(false);
    QTest::mouseClick(&push, Qt::LeftButton);
    EXPECT_EQ(log, "heXllo heXYllo heXllo return 101 start");
}

TEST(BindingsTest, ComboBoxItemsAndChoiceGoBothWays) {
    for (const bool editable : {false, true}) {
        SCOPED_TRACE(editable);
        ComboBox state;
        for (const char* item : {".com", ".net"}) state.addItem(item);
        QComboBox combo;
        combo.setEditable(editable);
        std::string log;
        qt::bind(state, &combo, [&] { log += std::to_string(state.listIndex()) + state.text(); });
        state.addItem(".org");
        state.setListIndex(1);
        EXPECT_EQ(combo.currentIndex(), 1);
        ASSERT_TRUE(shown(combo));
        QTest::keyClick(&combo, Qt::Key_Down);
        EXPECT_EQ(log, "2.org");
        if (editable) {
            state.setText(".info");
            EXPECT_EQ(combo.currentText(), ".info");
            state.setText(".net");
            EXPECT_EQ(combo.currentIndex(), 1);
            combo.lineEdit()->clear();
            QTest::keyClicks(combo.lineEdit(), ".biz");
            EXPECT_EQ(state.listIndex(), -1);
            QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
            EXPECT_EQ(state.text(), ".biz");
        }
        EXPECT_EQ(combo.count(), 3) << "typed text is no new item";
        state.clear();
        EXPECT_EQ(combo.count(), 0);
    }
}

}  // namespace
