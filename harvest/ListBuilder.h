#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "engine/MainWindow.h"
#include "harvest/PageExtraction.h"
#include "harvest/SearchSites.h"
#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/Services.h"

namespace quillmark::harvest {

struct ListBuilderHooks {
    // The run is over: the window closes and goes.
    std::function<void()> closeWindow;
};

// The list builder "List Builder - Finding domain names...": asks a search
// engine for result pages of the main window's search text, gathers the
// names on them until it has about as many as asked for, then hands the list
// to the main window's run. Draws nothing; a view shows it.
class ListBuilder {
public:
    static constexpr int kPageGapMs = 500;

    ListBuilder(Services& services, MainWindow& main, Browser& page, const SearchSites& sites,
                ListBuilderHooks hooks = {});
    ~ListBuilder();
    ListBuilder(const ListBuilder&) = delete;
    ListBuilder& operator=(const ListBuilder&) = delete;

    void Load();
    // Closed by hand: the run ends without writing the list.
    void Unload();
    void PageDocumentComplete(const std::string& bodyMarkup);

    // The address of the result page that begins at resultIndex.
    std::string ResultPageAddress() const;
    // Lines of a file that are neither empty nor a bare line end.
    static std::int32_t CountListLines(const std::filesystem::path& path);

    // Controls.
    Window window{"List Builder - Finding domain names..."};
    TextBox progressText;
    Browser& page;

    // Window state.
    std::string engineName;
    std::string searchTerm;
    std::int32_t targetCount = 100;
    std::int32_t resultIndex = 1;
    ListBuilderNames found;
    bool listDone = false;

private:
    void ExtractPage(const std::string& bodyMarkup);
    void PageFinished();
    void FinishRun();
    void ShowProgress();
    void TakeNextWaitingPage();
    std::filesystem::path KeptCopyPath() const;

    Services& services_;
    MainWindow& main_;
    const SearchSites& sites_;
    ListBuilderHooks hooks_;
    std::unique_ptr<Timer> pageGap_;
    // A page that completes while another is being read or paused after
    // waits here for its turn.
    std::deque<std::string> waitingPages_;
    bool busy_ = false;
    bool pageFailed_ = false;
};

}  // namespace quillmark::harvest
