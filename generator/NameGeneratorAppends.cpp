// The generator's appends list and the saved copy of its names.
#include "generator/NameCombiner.h"
#include "generator/NameGenerator.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark::generator {

void NameGenerator::LoadAppends() {
    const std::string appends = ReadWholeFile(AppendsFile()).value_or(std::string());
    std::vector<std::string> words;
    for (const std::string_view line : text::splitLines(appends)) {
        if (IsAppendEntry(line)) words.emplace_back(line);
    }
    appendWords.setItems(std::move(words));
}

void NameGenerator::AppendWordKeyPress(int keyAscii) {
    if (keyAscii == key::kEnter) AddAppendWord();
}

void NameGenerator::AddAppendWord() {
    AppendToFile(AppendsFile(), appendWord.text() + "\r\n");
    appendWords.addItem(appendWord.text());
    appendWord.setText("");
}

void NameGenerator::RemoveAppendWord() {
    const int selected = appendWords.listIndex();
    if (selected < 0 || selected >= appendWords.listCount()) {
        services_.messages().show("You must first select an item to remove from the list.",
                                  constants_.ProductName);
        return;
    }
    const std::string word = appendWords.list(selected);
    const std::string appends = ReadWholeFile(AppendsFile()).value_or(std::string());
    std::string kept;
    for (const std::string_view line : text::splitLines(appends)) {
        if (line != word) kept.append(line).append("\r\n");
    }
    kept = text::replaceAll(kept, "\r\n\r\n", "\r\n");
    WriteFileReplacing(AppendsFile(), kept + "\r\n");
    appendWords.removeItem(selected);
}

void NameGenerator::SaveAs() {
    FileDialogRequest request;
    request.title = "Save Domains As...";
    request.startFolder = folder_.folder(files::kCustomLists).string();
    request.fileName = baseWord.text() + ".txt";
    request.filter = "Text files (*.txt)|*.txt";
    // A cancelled dialog saves nothing.
    if (const auto chosen = services_.dialogs().saveFile(request)) CopyFileReplacing(CreatedFile(), *chosen);
}

}  // namespace quillmark::generator
