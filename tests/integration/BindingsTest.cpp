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

template <typename Widget>
QString caption(const Widget& widget) {
    if constexpr (std::is_same_v<Widget, QGroupBox>)
        return widget.title();
    else
        return widget.text();
}

// Enabled, tool tip, visibility and any caption show on every kind of
// widget, from the start and after each change; a widget gone before its
// state is harmless.
template <typename State, typename Widget, typename... Handler>
void expectStateShown(Handler... handler) {
    SCOPED_TRACE(Widget::staticMetaObject.className());
    State state;
    state.setToolTip("Names found free");
    auto widget = std::make_unique<Widget>();
    if constexpr (std::is_base_of_v<CaptionControl, State>) state.setCaption("<b>Names</b>");
    qt::bind(state, widget.get(), handler...);
    widget->show();
    state.setEnabled(false);
    state.setVisible(false);
    EXPECT_TRUE(widget->toolTip() == "Names found free" && !widget->isEnabled() && widget->isHidden());
    state.setVisible(true);
    EXPECT_TRUE(widget->isVisible());
    if constexpr (std::is_base_of_v<CaptionControl, State>) {
        EXPECT_EQ(caption(*widget), "<b>Names</b>");
        state.setCaption("&Stop");
        EXPECT_EQ(caption(*widget), "&Stop");
    }
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

    Label label("<b>not bold</b>");  // shown as it is, never as markup
    QLabel labelWidget;
    qt::bind(label, &labelWidget);
    EXPECT_EQ(labelWidget.textFormat(), Qt::PlainText);

    StatusBar status(2);
    status.setPanelText(1, "Ready");
    QStatusBar statusWidget;
    qt::bind(status, &statusWidget);
    const auto panels = [&] {
        std::string text;
        for (int n = 1; auto* panel = statusWidget.findChild<QLabel*>(QStringLiteral("panel%1").arg(n)); ++n)
            text += "[" + panel->text().toStdString() + "]";
        return text;
    };
    EXPECT_EQ(panels(), "[Ready][]");
    status.setPanelText(2, "Free: 3");
    status.addPanel();
    status.setPanelText(3, "kestrel.com");
    EXPECT_EQ(panels(), "[Ready][Free: 3][kestrel.com]");
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
    EXPECT_EQ(edit.cursorPosition(), 4);  // the echo keeps the cursor
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
        state.addItem(".com");
        state.addItem(".net");
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
