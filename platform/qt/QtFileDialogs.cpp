#include "QtFileDialogs.h"

#include <QFileDialog>

#include <vector>
#include "platform/qt/QtMessageBox.h"

#include "platform/Files.h"
#include "platform/Text.h"

namespace quillmark::qt {

namespace {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string qtPatterns(std::string_view patterns) {
    std::string spaced;
    for (const std::string_view pattern : text::split(patterns, ';')) {
        const std::string one = trimmed(pattern);
        if (one.empty()) continue;
        if (!spaced.empty()) spaced += ' ';
        spaced += one;
    }
    return spaced.empty() ? std::string("*") : spaced;
}

QString startPath(const FileDialogRequest& request) {
    std::string path = request.startFolder;
    if (!request.fileName.empty()) {
        if (!path.empty() && path.back() != '/') path += '/';
        path += request.fileName;
    }
    return QString::fromStdString(path);
}

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

std::string toQtFilter(std::string_view filter) {
    if (filter.empty()) return {};
    const std::vector<std::string_view> parts = text::split(filter, '|');
    std::string result;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::string_view raw = i + 1 < parts.size() ? parts[i + 1] : std::string_view();
        std::string description = trimmed(parts[i]);
        if (description.empty() && trimmed(raw).empty()) continue;  // a trailing '|'
        const std::string patterns = qtPatterns(raw);
        // "Text files (*.txt)|*.txt" already shows its pattern: Qt reads the
        // last parentheses, so they are written once, in Qt's form.
        for (const std::string& shown : {"(" + trimmed(raw) + ")", "(" + patterns + ")"}) {
            if (description.ends_with(shown)) {
                description =
                    trimmed(std::string_view(description).substr(0, description.size() - shown.size()));
                break;
            }
        }
        if (!result.empty()) result += ";;";
        if (!description.empty()) result += description + " ";
        result += "(" + patterns + ")";
    }
    return result;
}

// Qt's own dialog in its detail view, wide enough for its columns, on the
// window the user is working in.
static std::optional<std::string> Ask(QWidget* parent, const FileDialogRequest& request,
                                      QFileDialog::AcceptMode mode, std::string* chosenFilter = nullptr) {
    QFileDialog dialog(Owner(parent), QString::fromStdString(request.title), startPath(request),
                       QString::fromStdString(toQtFilter(request.filter)));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(860, 520);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    if (chosenFilter != nullptr) *chosenFilter = dialog.selectedNameFilter().toStdString();
    return chosen(dialog.selectedFiles().front());
}

std::optional<std::string> QtFileDialogs::openFile(const FileDialogRequest& request) {
    return Ask(parent_, request, QFileDialog::AcceptOpen);
}

std::string withChosenEnding(std::string path, std::string_view filter, std::string_view chosen) {
    const std::string name = text::toLower(FileNamePart(path));
    const std::vector<std::string_view> parts = text::split(filter, '|');
    for (std::size_t i = 1; i < parts.size(); i += 2) {
        for (const std::string_view pattern : text::split(parts[i], ';')) {
            const std::string one = text::toLower(trimmed(pattern));
            if (one == "*" || one == "*.*" || (one.starts_with("*.") && name.ends_with(one.substr(1))))
                return path;
        }
    }
    const auto open = chosen.rfind('(');
    const auto close = chosen.find_first_of(" )", open);
    if (open == std::string_view::npos || close == std::string_view::npos) return path;
    const std::string_view first = chosen.substr(open + 1, close - open - 1);
    if (!first.starts_with("*.") || first.find_first_of("*?[", 1) != std::string_view::npos) return path;
    return path + std::string(first.substr(1));
}

std::optional<std::string> QtFileDialogs::saveFile(const FileDialogRequest& request) {
    std::string selected;
    const auto path = Ask(parent_, request, QFileDialog::AcceptSave, &selected);
    if (!path) return path;
    return withChosenEnding(*path, request.filter, selected);
}

}  // namespace quillmark::qt
