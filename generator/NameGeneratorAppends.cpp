// The generator's appends list and the saved copy of its names.
#include "generator/NameCombiner.h"
#include "generator/NameGenerator.h"
#include "platform/Text.h"

namespace quillmark::generator {

void NameGenerator::LoadAppends() {
    const std::string appends = ReadWholeFile(AppendsFile()).value_or(std::string());
    std::vector<std::string> words;
    for (const std::string_view line : text::splitLines(appends)) {
        if (IsAppendEntry(line)) words.emplace_back(line);
    }
    List2.setItems(std::move(words));
}

void NameGenerator::Text2_KeyPress(int keyAscii) {
    if (keyAscii == kEnterKey) cmdAdd_Click();
}

void NameGenerator::cmdAdd_Click() {
    AppendToFile(AppendsFile(), Text2.text() + "\r\n");
    List2.addItem(Text2.text());
    Text2.setText("");
}

void NameGenerator::cmdSub_Click() {
    const int selected = List2.listIndex();
    if (selected < 0 || selected >= List2.listCount()) {
        services_.messages().show("You must first select an item to remove from the list.",
                                  constants_.ProductName);
        return;
    }
    const std::string word = List2.list(selected);
    const std::string appends = ReadWholeFile(AppendsFile()).value_or(std::string());
    std::string kept;
    for (const std::string_view line : text::splitLines(appends)) {
        if (line != word) kept.append(line).append("\r\n");
    }
    kept = text::replaceAll(kept, "\r\n\r\n", "\r\n");
    WriteFileReplacing(AppendsFile(), kept + "\r\n");
    List2.removeItem(selected);
}

void NameGenerator::Command2_Click() {
    FileDialogRequest request;
    request.title = "Save Domains As...";
    request.startFolder = folder_.folder("\\CustomLists").string();
    request.fileName = text1.text() + ".txt";
    request.filter = "Text files (*.txt)|*.txt";
    // A cancelled dialog saves nothing.
    if (const auto chosen = services_.dialogs().saveFile(request)) CopyFileQuietly(CreatedFile(), *chosen);
}

}  // namespace quillmark::generator
