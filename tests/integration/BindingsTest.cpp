#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/qt/Bindings.h"

namespace {

using namespace quillmark;
using quillmark::qt::bind;

// A shown window holding the widget under test, as a view would.
template <typename Widget>
struct Window {
    Window() : widget(new Widget(&window)) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(widget);
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }
    QWidget window;
    Widget* widget;
    bool exposed = false;
};

TEST(TextBoxBinding, UserEditsReachTheStateBeforeTheHandler) {
    Window<QLineEdit> ui;
    ASSERT_TRUE(ui.exposed);
    TextBox state;
    state.setText("hello");
    int changes = 0, returns = 0;
    bind(state, ui.widget, [&] {
        ++changes;
        EXPECT_EQ(state.text(), ui.widget->text().toStdString());
    });
    qt::bindReturnPressed(ui.widget, [&] { ++returns; });
    ui.widget->setFocus();
    ui.widget->setCursorPosition(2);
    QTest::keyClicks(ui.widget, "XY");
    EXPECT_EQ(state.text(), "heXYllo");
    EXPECT_EQ(ui.widget->cursorPosition(), 4) << "the echo keeps the cursor";
    QTest::keyClick(ui.widget, Qt::Key_Backspace);
    QTest::keyClick(ui.widget, Qt::Key_Return);
    EXPECT_EQ(state.text(), "heXllo");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(returns, 1);
}

TEST(TextBoxBinding, StateChangesShowWithoutCallingTheHandler) {
    Window<QLineEdit> ui;
    TextBox state;
    state.setText("kestrel");
    int changes = 0;
    bind(state, ui.widget, [&] { ++changes; });
    EXPECT_EQ(ui.widget->text(), "kestrel") << "shown from the start";
    state.setText("ünï words");
    state.setEnabled(false);
    state.setToolTip("The word to search");
    state.setVisible(false);
    EXPECT_EQ(ui.widget->text(), "ünï words");
    EXPECT_FALSE(ui.widget->isEnabled());
    EXPECT_EQ(ui.widget->toolTip(), "The word to search");
    EXPECT_TRUE(ui.widget->isHidden());
    state.setVisible(true);
    EXPECT_TRUE(ui.widget->isVisible());
    EXPECT_EQ(changes, 0);
}

TEST(CaptionBinding, CaptionsShowAndClicksCountOnlyWhileEnabled) {
    Window<QLabel> label;
    Window<QGroupBox> frame;
    Window<QPushButton> button;
    ASSERT_TRUE(button.exposed);
    Label labelState("<b>not bold</b>");
    Frame frameState("Options");
    Button buttonState("&Start");
    int clicks = 0;
    bind(labelState, label.widget);
    bind(frameState, frame.widget);
    bind(buttonState, button.widget, [&] { ++clicks; });
    EXPECT_EQ(label.widget->text(), "<b>not bold</b>");
    EXPECT_EQ(label.widget->textFormat(), Qt::PlainText);
    EXPECT_EQ(frame.widget->title(), "Options");
    EXPECT_EQ(button.widget->text(), "&Start");

    labelState.setCaption("Names checked: 12");
    frameState.setCaption("Extensions");
    frameState.setEnabled(false);
    buttonState.setCaption("Stop");
    EXPECT_EQ(label.widget->text(), "Names checked: 12");
    EXPECT_EQ(frame.widget->title(), "Extensions");
    EXPECT_FALSE(frame.widget->isEnabled());
    EXPECT_EQ(button.widget->text(), "Stop");

    QTest::mouseClick(button.widget, Qt::LeftButton);
    buttonState.setEnabled(false);
    QTest::mouseClick(button.widget, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(CheckBoxBinding, ClicksSetZeroOrOneAndStateValuesShowSilently) {
    Window<QCheckBox> ui;
    ASSERT_TRUE(ui.exposed);
    CheckBox state(".com");
    std::vector<int> seen;
    bind(state, ui.widget, [&] { seen.push_back(state.value()); });
    EXPECT_EQ(ui.widget->text(), ".com");
    state.setValue(1);
    EXPECT_EQ(ui.widget->checkState(), Qt::Checked);
    state.setValue(0);
    EXPECT_EQ(ui.widget->checkState(), Qt::Unchecked);
    EXPECT_TRUE(seen.empty());

    QTest::mouseClick(ui.widget, Qt::LeftButton);
    QTest::mouseClick(ui.widget, Qt::LeftButton);
    // Greyed comes from the state only; a click makes it plain again.
    state.setValue(2);
    EXPECT_EQ(ui.widget->checkState(), Qt::PartiallyChecked);
    for (int n = 0; n < 3; ++n) QTest::mouseClick(ui.widget, Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 1, 0, 1}));
}

TEST(ComboBoxBinding, ItemsAndChoiceGoBothWays) {
    Window<QComboBox> ui;
    ASSERT_TRUE(ui.exposed);
    ComboBox state;
    state.addItem("Full Word List");
    state.addItem("Two Letters");
    int clicks = 0;
    bind(state, ui.widget, [&] {
        ++clicks;
        EXPECT_EQ(state.listIndex(), ui.widget->currentIndex());
    });
    state.addItem("Custom List");
    ASSERT_EQ(ui.widget->count(), 3);
    EXPECT_EQ(ui.widget->itemText(2), "Custom List");

    state.setListIndex(1);
    EXPECT_EQ(ui.widget->currentIndex(), 1);
    EXPECT_EQ(clicks, 0);

    ui.widget->setFocus();
    QTest::keyClick(ui.widget, Qt::Key_Down);
    EXPECT_EQ(state.listIndex(), 2);
    EXPECT_EQ(state.text(), "Custom List");
    EXPECT_EQ(clicks, 1);

    state.clear();
    EXPECT_EQ(ui.widget->count(), 0);
}

TEST(ComboBoxBinding, EditableComboShowsAndTakesText) {
    Window<QComboBox> ui;
    ASSERT_TRUE(ui.exposed);
    ui.widget->setEditable(true);
    ComboBox state;
    state.addItem(".com");
    state.addItem(".net");
    bind(state, ui.widget);

    state.setText(".org");
    EXPECT_EQ(ui.widget->currentText(), ".org");
    state.setText(".net");
    EXPECT_EQ(ui.widget->currentIndex(), 1);

    ui.widget->lineEdit()->clear();
    ui.widget->lineEdit()->setFocus();
    QTest::keyClicks(ui.widget->lineEdit(), ".info");
    EXPECT_EQ(state.text(), ".info");
    EXPECT_EQ(state.listIndex(), -1);

    QTest::keyClick(ui.widget->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(ui.widget->count(), 2) << "typed text is no new item";
    EXPECT_EQ(state.text(), ".info");
}

TEST(StatusBarBinding, OneLabelPerPanelFollowingItsText) {
    Window<QStatusBar> ui;
    StatusBar state(2);
    state.setPanelText(1, "Ready");
    bind(state, ui.widget);
    auto panel = [&](int n) { return ui.widget->findChild<QLabel*>(QStringLiteral("panel%1").arg(n)); };
    ASSERT_NE(panel(1), nullptr);
    ASSERT_NE(panel(2), nullptr);
    EXPECT_EQ(panel(1)->text(), "Ready");
    EXPECT_EQ(panel(2)->text(), "");

    state.setPanelText(2, "Free: 3");
    EXPECT_EQ(panel(2)->text(), "Free: 3");
    state.addPanel();
    state.setPanelText(3, "kestrel.com");
    ASSERT_NE(panel(3), nullptr);
    EXPECT_EQ(panel(3)->text(), "kestrel.com");
    EXPECT_EQ(panel(1)->text(), "Ready");
}

TEST(Binding, WidgetGoneBeforeTheStateIsHarmless) {
    TextBox state;
    {
        QLineEdit edit;
        bind(state, &edit);
    }
    state.setText("still fine");
    EXPECT_EQ(state.text(), "still fine");
}

}  // namespace
