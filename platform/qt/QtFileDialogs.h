#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <string_view>

#include "platform/Services.h"

namespace quillmark::qt {

// "Text files|*.txt|All files|*.*" as Qt writes it:
// "Text files (*.txt);;All files (*.*)". Patterns separated by ';' become
// space-separated; a description that already ends in its pattern keeps it once.
std::string toQtFilter(std::string_view filter);

// The path a save dialog gives back: a file name that matches none of the
// request filter's patterns gets the ending of the Qt filter chosen
// ("JSON (*.json)" adds ".json"), so the filter decides what a bare name is.
std::string withChosenEnding(std::string path, std::string_view filter, std::string_view chosen);

class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace quillmark::qt
