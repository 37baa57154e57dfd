#include "generator/ui/NameGeneratorView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/Bindings.h"

namespace quillmark {

using generator::NameGenerator;

NameGeneratorView::NameGeneratorView(Services& services, const ProgramFolder& folder,
                                     const program::ProductIdentity& constants,
                                     generator::GeneratorHooks hooks, QWidget* parent)
    : WindowView(parent), form_(services, folder, constants, std::move(hooks)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildBand());
    auto* frames = new QHBoxLayout;
    frames->addWidget(buildAppendsFrame(), 1);
    frames->addWidget(buildGeneratedFrame(), 1);
    layout->addLayout(frames, 1);
    auto* status = new QLineEdit(this);
    status->setReadOnly(true);
    qt::bind(form_.statusText, status);
    layout->addWidget(status);
    qt::bind(form_.window, this);
    resize(640, 520);
}

// Base word; the eight extensions; the custom one and Start; the three forms.
QWidget* NameGeneratorView::buildBand() {
    auto* band = new QWidget(this);
    auto* grid = new QGridLayout(band);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* baseRow = new QHBoxLayout;
    baseRow->addWidget(qt::makeLabel(form_.baseWordLabel, band));
    auto* base = new QLineEdit(band);
    qt::bind(form_.baseWord, base, [this] { form_.BaseWordChanged(); });
    qt::bindReturnPressed(base, [this] { form_.BaseWordKeyPress(key::kEnter); });
    baseRow->addWidget(base, 1);
    grid->addLayout(baseRow, 0, 0, 1, 8);
    for (int i = 0; i < NameGenerator::kCustomBox; ++i) {
        grid->addWidget(qt::makeCheckBox(form_.extensionBoxes[static_cast<std::size_t>(i)], band,
                                         [this, i] { form_.ExtensionTicked(i); }),
                        1, i);
    }
    auto* customRow = new QHBoxLayout;
    customRow->addWidget(qt::makeCheckBox(form_.extensionBoxes[NameGenerator::kCustomBox], band,
                                          [this] { form_.ExtensionTicked(NameGenerator::kCustomBox); }));
    auto* custom = new QLineEdit(band);
    custom->setMaximumWidth(120);
    qt::bind(form_.customExtension, custom, [this] { form_.CustomExtensionChanged(); });
    customRow->addWidget(custom);
    customRow->addStretch(1);
    customRow->addWidget(qt::makeButton(form_.startButton, band, [this] { form_.Generate(); }));
    grid->addLayout(customRow, 2, 0, 1, 8);
    auto* optionRow = new QHBoxLayout;
    for (int i = 0; i < NameGenerator::kOptionBoxes; ++i) {
        optionRow->addWidget(qt::makeCheckBox(form_.formBoxes[static_cast<std::size_t>(i)], band,
                                              [this, i] { form_.FormTicked(i); }));
    }
    optionRow->addStretch(1);
    grid->addLayout(optionRow, 3, 0, 1, 8);
    return band;
}

QWidget* NameGeneratorView::buildAppendsFrame() {
    QGroupBox* box = qt::makeFrame(form_.appendsFrame, this);
    auto* column = new QVBoxLayout(box);
    column->addWidget(qt::makeLabel(form_.appendWordLabel, box));
    auto* entry = new QHBoxLayout;
    auto* word = new QLineEdit(box);
    qt::bind(form_.appendWord, word);
    qt::bindReturnPressed(word, [this] { form_.AppendWordKeyPress(key::kEnter); });
    entry->addWidget(word, 1);
    entry->addWidget(qt::makeButton(form_.addButton, box, [this] { form_.AddAppendWord(); }));
    entry->addWidget(qt::makeButton(form_.removeButton, box, [this] { form_.RemoveAppendWord(); }));
    column->addLayout(entry);
    auto* words = new QListView(box);
    qt::bind(form_.appendWords, words);
    column->addWidget(words, 1);
    return box;
}

QWidget* NameGeneratorView::buildGeneratedFrame() {
    QGroupBox* box = qt::makeFrame(form_.generatedFrame, this);
    auto* column = new QVBoxLayout(box);
    auto* names = new QListView(box);
    names->setUniformItemSizes(true);
    qt::bind(form_.generated, names);
    column->addWidget(names, 1);
    column->addWidget(qt::makeButton(form_.saveAsButton, box, [this] { form_.SaveAs(); }));
    return box;
}

NameGeneratorView::~NameGeneratorView() {
    qt::releaseWidgets(this);
}

}  // namespace quillmark
