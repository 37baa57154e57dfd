#include "QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace quillmark::qt {

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

// The window the user is working in, so the message stays in front of the
// window it is about; the main window when none is active.
QWidget* Owner(QWidget* fallback) {
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active : fallback;
}

MessageResult QtMessageBox::show(std::string_view text, std::string_view title, MessageButtons buttons) {
    const bool yesNo = buttons == MessageButtons::YesNo;
    QMessageBox box(yesNo ? QMessageBox::Question : QMessageBox::NoIcon, fromUtf8(title), fromUtf8(text),
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, Owner(parent_));
    // Names and replies are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (yesNo) box.setDefaultButton(QMessageBox::Yes);
    box.exec();
    if (!yesNo) return MessageResult::Ok;
    // Closing the box any other way counts as No.
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageResult::Yes : MessageResult::No;
}

}  // namespace quillmark::qt
