#include "harvest/ListBuilder.h"
#include "platform/WebAddress.h"

#include <array>

#include "engine/SearchTypes.h"
#include "platform/Files.h"
#include "platform/ProgramFiles.h"
#include "platform/Text.h"

namespace quillmark::harvest {

namespace {

constexpr std::string_view kGooglePath =
    "/search?num=100&hl=en&lr=&ie=UTF-8&oe=UTF-8&safe=off&filter=0&start=";
constexpr std::string_view kYahooPath = "/search/dir?h=s&xargs=0&p=";
constexpr std::array<std::int32_t, 4> kTargets{100, 200, 500, 1000};

std::int32_t TargetFor(int comboIndex) {
    if (comboIndex < 0 || comboIndex >= static_cast<int>(kTargets.size())) return kTargets[0];
    return kTargets[static_cast<std::size_t>(comboIndex)];
}

}  // namespace

ListBuilder::ListBuilder(Services& services, MainWindow& main, Browser& browser, const SearchSites& sites,
                         ListBuilderHooks hooks)
    : page(browser),
      services_(services),
      main_(main),
      sites_(sites),
      hooks_(std::move(hooks)),
      pageGap_(services.makeTimer()) {
    progressText.setText("Status...");
    progressText.setToolTip("This shows the number of unique domain names found.");
    pageGap_->setInterval(kPageGapMs);
    pageGap_->setOnTick([this] {
        pageGap_->setEnabled(false);
        PageFinished();
    });
    Browser::Events events;
    events.documentComplete = [this](const std::string& markup) {
        // The browser's error page in place of a result page brings nothing.
        PageDocumentComplete(pageFailed_ ? std::string() : markup);
    };
    events.downloadBegin = [this] { pageFailed_ = false; };
    events.pageLoaded = [this](bool ok) { pageFailed_ = !ok; };
    page.setEvents(std::move(events));
}

ListBuilder::~ListBuilder() {
    page.setEvents({});
}

void ListBuilder::Load() {
    listDone = false;
    found = {};
    // A space becomes "+"; what would end or split the query value is encoded.
    searchTerm = EncodeQueryValue(main_.searchText.text(), true);
    targetCount = TargetFor(main_.searchSize.listIndex());
    engineName = SearchTypeOf(main_.searchType.text()) == SearchType::Yahoo ? "Yahoo" : "Google";
    resultIndex = 1;
    page.Navigate(ResultPageAddress());
}

void ListBuilder::Unload() {
    listDone = true;
    waitingPages_.clear();
    pageGap_->setEnabled(false);
}

std::string ListBuilder::ResultPageAddress() const {
    if (engineName == "Yahoo") {
        return sites_.yahooAddress + std::string(kYahooPath) + searchTerm +
               "&b=" + std::to_string(resultIndex);
    }
    return sites_.googleAddress + std::string(kGooglePath) + std::to_string(resultIndex - 1) +
           "&sa=N&q=" + searchTerm;
}

void ListBuilder::PageDocumentComplete(const std::string& bodyMarkup) {
    if (listDone) return;
    if (busy_) {
        waitingPages_.push_back(bodyMarkup);
        return;
    }
    ExtractPage(bodyMarkup);
}

void ListBuilder::ExtractPage(const std::string& bodyMarkup) {
    busy_ = true;
    ExtractionHooks hooks;
    hooks.afterEachLine = [this] {
        ShowProgress();
        services_.pump().processPendingEvents();
    };
    ExtractListNames(bodyMarkup, main_.state().serverTable, found, sites_.filters, hooks);
    if (listDone) return;
    // The gap between pages keeps the request rate down; the window stays live.
    pageGap_->setEnabled(true);
}

void ListBuilder::ShowProgress() {
    progressText.setText("Extracted " + std::to_string(found.FoundCount) + " unique domain names");
}

void ListBuilder::PageFinished() {
    if (listDone) return;
    if (found.FoundCount >= targetCount || found.PageFoundCount < 1) return FinishRun();
    resultIndex += engineName == "Yahoo" ? 20 : 100;
    page.Navigate(ResultPageAddress());
    TakeNextWaitingPage();
}

void ListBuilder::TakeNextWaitingPage() {
    busy_ = false;
    if (waitingPages_.empty() || listDone) return;
    const std::string page = std::move(waitingPages_.front());
    waitingPages_.pop_front();
    ExtractPage(page);
}

std::filesystem::path ListBuilder::KeptCopyPath() const {
    const std::string name = SafeFileName(engineName + " " + main_.searchText.text()) + ".txt";
    return main_.state().programFolder.folder(files::kSearches) / name;
}

void ListBuilder::FinishRun() {
    listDone = true;
    busy_ = false;
    waitingPages_.clear();
    const ProgramFolder& folder = main_.state().programFolder;
    const std::filesystem::path list = folder.file(files::kBrowserSearch);
    WriteFileReplacing(list, found.FoundNames + std::string(text::kCrLf));
    CopyFileReplacing(list, KeptCopyPath());
    main_.listSize.setText(std::to_string(CountListLines(list)));
    main_.SetStartNumber("1");
    const std::string count = std::to_string(found.FoundCount);
    progressText.setText("Finished! Extracted " + count + " domain names.");
    page.Stop();
    services_.messages().show("List of " + count + " unique domains was created successfully!",
                              main_.state().identity.ProductName);
    main_.Start();
    if (hooks_.closeWindow) hooks_.closeWindow();
}

std::int32_t ListBuilder::CountListLines(const std::filesystem::path& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return 0;
    std::int32_t count = 0;
    for (const std::string_view line : text::splitLines(*bytes)) {
        if (!line.empty()) ++count;
    }
    return count;
}

}  // namespace quillmark::harvest
