#include "engine/UncheckedWindow.h"

#include "engine/SearchTypes.h"

namespace quillmark {

void UncheckedWindow::Load() {
    names.setColumns({"Domain", "Reason"});
    names.clear();
    const results::UncheckedNames& unchecked = main_.uncheckedNames;
    for (const std::string& name : unchecked.names())
        names.setSubItem(names.addItem(name), 1, std::string(unchecked.reasonOf(name)));
    lookUpAgainButton.setEnabled(names.count() > 0 && !main_.stopButton.enabled());
}

void UncheckedWindow::LookUpAgain() {
    if (main_.stopButton.enabled()) return;
    main_.searchType.setText(std::string(SearchTypeCaption(SearchType::Unchecked)));
    main_.ChooseSearchType();
    if (main_.startButton.enabled()) main_.Start();
    Load();
}

}  // namespace quillmark
