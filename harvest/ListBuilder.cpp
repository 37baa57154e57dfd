#include "harvest/ListBuilder.h"

#include <array>

#include "engine/PercentCoding.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace quillmark::harvest {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kGooglePath =
    "/search?num=100&hl=en&lr=&ie=UTF-8&oe=UTF-8&safe=off&filter=0&start=";
constexpr std::string_view kYahooPath = "/search/dir?h=s&xargs=0&p=";
constexpr std::array<std::int32_t, 4> kTargets{100, 200, 500, 1000};

std::int32_t TargetFor(int comboIndex) {
    if (comboIndex < 0 || comboIndex >= static_cast<int>(kTargets.size())) return kTargets[0];
    return kTargets[static_cast<std::size_t>(comboIndex)];
}

// Result pages leave runs of empty lines and link targets glued to names.
std::string TidyFoundNames(std::string names) {
    for (int pass = 0; pass < 7; ++pass) names = text::replaceAll(names, "\r\n\r\n", "\r\n");
    names = text::replaceAll(names, "comtarget=_blank\r\n", "");
    return text::replaceAll(names, "orgtarget=_blank\r\n", "");
}

}  // namespace

ListBuilder::ListBuilder(Services& services, MainWindow& main, Browser& browser, const SearchSites& sites,
             ListBuilderHooks hooks)
    : WebBrowser1(browser),
      services_(services),
      main_(main),
      sites_(sites),
      hooks_(std::move(hooks)),
      pageGap_(services.makeTimer()) {
    text1.setText("Status...");
    text1.setToolTip("This shows the number of unique .com, .org and .net domain names found.");
    pageGap_->setInterval(kPageGapMs);
    pageGap_->setOnTick([this] {
        pageGap_->setEnabled(false);
        PageFinished();
    });
    Browser::Events events;
    events.documentComplete = [this](const std::string& markup) { WebBrowser1_DocumentComplete(markup); };
    WebBrowser1.setEvents(std::move(events));
}

ListBuilder::~ListBuilder() {
    WebBrowser1.setEvents({});
}

void ListBuilder::Form_Load() {
    ListDone = false;
    Found = {};
    // A space becomes "+"; what would end or split the query value is encoded.
    SearchTerm = names::EncodeQueryValue(main_.txtSearch.text(), true);
    TargetCount = TargetFor(main_.Combo2.listIndex());
    EngineName = main_.Combo1.text() == "Yahoo Search" ? "Yahoo" : "Google";
    ResultIndex = 1;
    WebBrowser1.Navigate(ResultPageAddress());
}

void ListBuilder::Form_Unload() {
    ListDone = true;
    waitingPages_.clear();
    pageGap_->setEnabled(false);
}

std::string ListBuilder::ResultPageAddress() const {
    if (EngineName == "Yahoo") {
        return sites_.yahooAddress + std::string(kYahooPath) + SearchTerm +
               "&b=" + std::to_string(ResultIndex);
    }
    return sites_.googleAddress + std::string(kGooglePath) + std::to_string(ResultIndex - 1) +
           "&sa=N&q=" + SearchTerm;
}

void ListBuilder::WebBrowser1_DocumentComplete(const std::string& bodyMarkup) {
    if (ListDone) return;
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
    ExtractListNames(bodyMarkup, main_.state().ServerTable, Found, sites_.filters, hooks);
    if (ListDone) return;
    // The gap between pages keeps the request rate down; the window stays live.
    pageGap_->setEnabled(true);
}

void ListBuilder::ShowProgress() {
    text1.setText("Extracted " + std::to_string(Found.FoundCount) + " unique domain names");
}

void ListBuilder::PageFinished() {
    if (ListDone) return;
    if (Found.FoundCount >= TargetCount || Found.PageFoundCount < 1) return FinishRun();
    ResultIndex += EngineName == "Yahoo" ? 20 : 100;
    WebBrowser1.Navigate(ResultPageAddress());
    TakeNextWaitingPage();
}

void ListBuilder::TakeNextWaitingPage() {
    busy_ = false;
    if (waitingPages_.empty() || ListDone) return;
    const std::string page = std::move(waitingPages_.front());
    waitingPages_.pop_front();
    ExtractPage(page);
}

std::filesystem::path ListBuilder::KeptCopyPath() const {
    const std::string name = SafeFileName(EngineName + " " + main_.txtSearch.text()) + ".txt";
    return main_.state().ProgramFolder.folder("\\Searches") / name;
}

void ListBuilder::FinishRun() {
    ListDone = true;
    busy_ = false;
    waitingPages_.clear();
    const ProgramFolder& folder = main_.state().ProgramFolder;
    const std::filesystem::path list = folder.file("\\BrowserSearch.txt");
    WriteFileReplacing(list, TidyFoundNames(Found.FoundNames) + std::string(kCrLf));
    CopyFileQuietly(list, KeptCopyPath());
    main_.txtWordMax.setText(std::to_string(CountListLines(list)));
    main_.SetWordNum("1");
    const std::string count = std::to_string(Found.FoundCount);
    text1.setText("Finished! Extracted " + count + " domain names.");
    WebBrowser1.Stop();
    services_.messages().show("List of " + count + " unique domains was created successfully!",
                              main_.state().Constants.ProductName);
    main_.cmdDoSearch_Click();
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
