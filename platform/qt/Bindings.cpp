#include "Bindings.h"

#include <QWidget>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/Hook.h"
#include "platform/qt/WidgetSync.h"

namespace quillmark::qt {

namespace {

// Shows the state now and after every change, for as long as the widget lives.
template <typename Widget, typename Show>
void follow(Control& state, Widget* widget, Show show) {
    const QPointer<Widget> guard(widget);
    state.setObserver([guard, show] {
        if (guard) show(guard.data());
    });
    show(widget);
}

Qt::CheckState toCheckState(int value) {
    if (value == 1) return Qt::Checked;
    if (value == 2) return Qt::PartiallyChecked;
    return Qt::Unchecked;
}

bool sameItems(const QComboBox* widget, const std::vector<std::string>& items) {
    if (widget->count() != static_cast<int>(items.size())) return false;
    for (int i = 0; i < widget->count(); ++i) {
        if (widget->itemText(i) != toQString(items[static_cast<std::size_t>(i)])) return false;
    }
    return true;
}

}  // namespace

void bind(Window& state, QWidget* window) {
    follow(state, window, [&state](QWidget* shown) {
        const QString caption = toQString(state.caption());
        if (shown->windowTitle() != caption) shown->setWindowTitle(caption);
    });
}

void bind(Label& state, QLabel* widget) {
    widget->setTextFormat(Qt::PlainText);
    follow(state, widget, [&state](QLabel* label) {
        applyControl(state, label);
        const QString caption = toQString(state.caption());
        if (label->text() != caption) label->setText(caption);
    });
}

void bind(Frame& state, QGroupBox* widget) {
    follow(state, widget, [&state](QGroupBox* frame) {
        applyControl(state, frame);
        const QString caption = toQString(state.caption());
        if (frame->title() != caption) frame->setTitle(caption);
    });
}

void bind(Button& state, QPushButton* widget, std::function<void()> onClick) {
    follow(state, widget, [&state](QPushButton* button) {
        applyControl(state, button);
        const QString caption = toQString(state.caption());
        if (button->text() != caption) button->setText(caption);
    });
    QObject::connect(widget, &QPushButton::clicked, widget,
                     [onClick = std::move(onClick)] { call(onClick); });
}

void bind(TextBox& state, QLineEdit* widget, std::function<void()> onChange) {
    follow(state, widget, [&state](QLineEdit* edit) {
        applyControl(state, edit);
        const QString text = toQString(state.text());
        if (edit->text() == text) return;
        const int cursor = edit->cursorPosition();
        edit->setText(text);
        edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    });
    // textEdited comes from the user only, so setting the text in code above
    // cannot loop back here.
    QObject::connect(widget, &QLineEdit::textEdited, widget,
                     [&state, onChange = std::move(onChange)](const QString& text) {
                         state.setText(text.toStdString());
                         call(onChange);
                     });
}

void bindReturnPressed(QLineEdit* widget, std::function<void()> onReturn) {
    QObject::connect(widget, &QLineEdit::returnPressed, widget,
                     [onReturn = std::move(onReturn)] { call(onReturn); });
}

void bind(ProgressBar& state, QProgressBar* widget) {
    widget->setTextVisible(true);
    follow(state, widget, [&state](QProgressBar* bar) {
        applyControl(state, bar);
        bar->setRange(0, std::max(1, state.maximum()));
        bar->setValue(std::min(state.value(), bar->maximum()));
        bar->setFormat(toQString(state.text()));
    });
}

void bind(CheckBox& state, QCheckBox* widget, std::function<void()> onClick) {
    follow(state, widget, [&state](QCheckBox* box) {
        applyControl(state, box);
        const QString caption = toQString(state.caption());
        if (box->text() != caption) box->setText(caption);
        // Greyed only when the state says so; a click never makes it greyed.
        box->setTristate(state.value() == 2);
        const Qt::CheckState checkState = toCheckState(state.value());
        if (box->checkState() != checkState) {
            const QSignalBlocker quiet(box);
            box->setCheckState(checkState);
        }
    });
    QObject::connect(widget, &QCheckBox::clicked, widget, [&state, widget, onClick = std::move(onClick)] {
        state.setValue(widget->isChecked() ? 1 : 0);
        call(onClick);
    });
}

void bind(ComboBox& state, QComboBox* widget, std::function<void()> onClick) {
    follow(state, widget, [&state](QComboBox* combo) {
        applyControl(state, combo);
        const QSignalBlocker quiet(combo);
        if (!sameItems(combo, state.items())) {
            QStringList items;
            items.reserve(state.listCount());
            for (const std::string& item : state.items()) items.append(toQString(item));
            combo->clear();
            combo->addItems(items);
        }
        if (!combo->isEditable()) {
            if (combo->currentIndex() != state.listIndex()) combo->setCurrentIndex(state.listIndex());
            return;
        }
        // Editable: the text is what shows. Left alone while it already
        // matches, so typing keeps its cursor.
        const QString text = toQString(state.text());
        if (combo->currentText() == text) return;
        if (state.listIndex() >= 0) {
            combo->setCurrentIndex(state.listIndex());
        } else {
            combo->setEditText(text);
        }
    });
    QObject::connect(widget, &QComboBox::activated, widget,
                     [&state, onClick = std::move(onClick)](int index) {
                         state.setListIndex(index);
                         call(onClick);
                     });
    if (widget->lineEdit() != nullptr) {
        // The items are the state's: Return must not add the typed text as one.
        widget->setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(widget->lineEdit(), &QLineEdit::textEdited, widget,
                         [&state](const QString& text) { state.setText(text.toStdString()); });
    }
}

void bind(StatusBar& state, QStatusBar* widget, std::vector<int> panelShares) {
    // Children of the status bar, so alive whenever the guard in follow() is.
    auto labels = std::make_shared<std::vector<QLabel*>>();
    follow(state, widget, [&state, labels, panelShares](QStatusBar* bar) {
        applyControl(state, bar);
        while (static_cast<int>(labels->size()) < state.panelCount()) {
            auto* label = new QLabel(bar);
            label->setTextFormat(Qt::PlainText);
            label->setObjectName(QStringLiteral("panel%1").arg(labels->size() + 1));
            const std::size_t panel = labels->size();
            bar->addPermanentWidget(label, panel < panelShares.size() ? panelShares[panel] : 1);
            labels->push_back(label);
        }
        for (std::size_t i = 0; i < labels->size(); ++i) {
            const QString text = toQString(state.panelText(static_cast<int>(i) + 1));
            if ((*labels)[i]->text() != text) (*labels)[i]->setText(text);
        }
    });
}

void showAs(QWidget* window, Window::State state) {
    switch (state) {
        case Window::State::Maximized:
            return window->showMaximized();
        case Window::State::Minimized:
            return window->showMinimized();
        case Window::State::Normal:
            return window->showNormal();
    }
}

QLabel* makeLabel(Label& state, QWidget* parent) {
    auto* widget = new QLabel(parent);
    bind(state, widget);
    return widget;
}

QPushButton* makeButton(Button& state, QWidget* parent, std::function<void()> onClick) {
    auto* widget = new QPushButton(parent);
    bind(state, widget, std::move(onClick));
    return widget;
}

QCheckBox* makeCheckBox(CheckBox& state, QWidget* parent, std::function<void()> onClick) {
    auto* widget = new QCheckBox(parent);
    bind(state, widget, std::move(onClick));
    return widget;
}

QGroupBox* makeFrame(Frame& state, QWidget* parent) {
    auto* widget = new QGroupBox(parent);
    bind(state, widget);
    return widget;
}

void releaseWidgets(QWidget* window) {
    window->hide();
    const QList<QWidget*> children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    qDeleteAll(children);
}

}  // namespace quillmark::qt
