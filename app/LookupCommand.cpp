#include <QCoreApplication>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "app/Commands.h"
#include "app/core/HeadlessServices.h"
#include "app/core/ProgramFolderLocation.h"
#include "engine/MainWindow.h"
#include "engine/SearchTypes.h"
#include "platform/Text.h"
#include "results/Export.h"

namespace quillmark::app {

namespace {

// The fields of a run's line; TSV keeps the first four.
std::vector<results::ExportColumn> RunColumns(results::ExportFormat format) {
    std::vector<results::ExportColumn> columns = {{"outcome"}, {"name"}, {"detail"}, {"protocol"}};
    if (format != results::ExportFormat::Tsv)
        columns.insert(columns.end(), {{"extension"}, {"length", true}, {"judged"}});
    return columns;
}

struct Tally {
    Tally(results::ExportFormat format, Clock& clock)
        : tsv(format == results::ExportFormat::Tsv), writer(format, RunColumns(format)), clock(clock) {}

    bool tsv;
    results::RecordWriter writer;
    Clock& clock;
    int high = 0;
    int mid = 0;
    int low = 0;
    int taken = 0;
    int unknown = 0;
    int unjudged = 0;

    // One line per judged name, as soon as it is judged.
    void count(std::string_view name, MainWindowHooks::Verdict verdict, std::string_view protocol) {
        using Verdict = MainWindowHooks::Verdict;
        if (verdict == Verdict::Taken) {
            ++taken;
            return print("taken", name, "-", protocol);
        }
        ++(verdict == Verdict::High ? high : verdict == Verdict::Mid ? mid : low);
        print("free", name,
              verdict == Verdict::High  ? "High"
              : verdict == Verdict::Mid ? "Mid"
                                        : "Low",
              protocol);
    }

    void countUnknown(std::string_view name, std::string_view reason, std::string_view protocol) {
        ++unknown;
        print("unknown", name, reason, protocol.empty() ? "-" : protocol);
    }

    void print(std::string_view outcome, std::string_view name, std::string_view detail,
               std::string_view protocol) {
        std::vector<std::string> values = {std::string(outcome), std::string(name), std::string(detail),
                                           std::string(protocol)};
        if (!tsv)
            values.insert(values.end(), {results::ExtensionOf(name), results::LengthOf(name),
                                         results::TimeText(clock.now())});
        std::cout << writer.Record(values);
        std::cout.flush();
    }

    void summarise(std::int32_t seconds) const {
        const int free = high + mid + low;
        std::cerr << "quillmark: " << free + taken << " names judged: " << free << " free (" << high
                  << " high, " << mid << " mid, " << low << " low), " << taken << " taken; " << unknown
                  << " unknown; " << unjudged << " not looked up; " << seconds << " s\n";
    }
};

// Once a second on standard error: over itself on a terminal, a line each otherwise.
void ShowProgressEverySecond(QTimer& timer, const MainWindow& form, bool onTerminal) {
    QObject::connect(&timer, &QTimer::timeout, [&form, onTerminal] {
        if (onTerminal) {
            std::cerr << "\rquillmark: " << form.progress.text() << "\x1b[K" << std::flush;
        } else {
            std::cerr << "quillmark: " << form.progress.text() << '\n';
        }
    });
    timer.start(1000);
}

// The search type's own caption for what was typed, in any letter case; nothing
// for a type a run cannot go through.
std::optional<std::string> runnable(const MainWindow& form, const std::string& source) {
    for (const std::string& item : form.searchType.items()) {
        if (text::equalsIgnoreCase(item, source) && item != SearchTypeCaption(SearchType::Browse))
            return item;
    }
    return std::nullopt;
}

}  // namespace

// Chooses the source as a user would, presses Start, and prints every judged
// name until the run stops by itself.
int RunLookups(const app::CommandLine& line) {
    const auto source = line.option("--source");
    if (!source) return Fail("run needs --source \"ITEM\"");
    const auto list = line.option("--list");
    if (list && !FileExists(*list)) return Fail("cannot read the list " + *list);
    if (text::equalsIgnoreCase(*source, SearchTypeCaption(SearchType::CustomList)) && !list)
        return Fail("\"Custom List\" needs --list FILE");
    const auto format = results::FormatNamed(line.option("--format").value_or("tsv"));
    if (!format) return Fail("--format needs tsv, csv or json");
    const auto start = line.option("--start");
    if (start && text::parseInt32(*start).value_or(0) < 1) return Fail("--start needs a whole number from 1");
    const auto folder = PrepareProgramFolder(line);
    if (!folder) return 2;

    HeadlessServices services(list ? std::optional<std::string>(std::filesystem::absolute(*list).string())
                                   : std::nullopt);
    ProgramState state(*folder);
    Tally tally(*format, services.clock());
    MainWindowHooks hooks;
    hooks.nameUnjudged = [&tally](std::string_view) { ++tally.unjudged; };
    hooks.nameUnchecked = [&tally](std::string_view name, std::string_view reason,
                                   std::string_view protocol) { tally.countUnknown(name, reason, protocol); };
    hooks.rulesSkipped = [](const std::vector<int>& lines) {
        for (const int line : lines)
            std::cerr << "quillmark: replyrules.txt line " << line << " is no rule; skipped\n";
    };
    hooks.nameListed = [&tally](std::string_view name, MainWindowHooks::Verdict verdict,
                                std::string_view protocol) { tally.count(name, verdict, protocol); };
    hooks.runStopped = [] { QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit); };
    MainWindow form(services, state, hooks);
    form.Load();
    const auto type = runnable(form, *source);
    if (!type) return Fail("cannot run the search type \"" + *source + "\"; quillmark run --help lists them");
    form.searchType.setText(*type);
    form.ChooseSearchType();
    if (start) form.SetStartNumber(*start);
    std::cout << tally.writer.Begin();
    QTimer::singleShot(0, QCoreApplication::instance(), [&form] { form.Start(); });
    QTimer progress;
    const bool onTerminal = ::isatty(STDERR_FILENO) != 0;
    if (onTerminal || line.has("--progress")) ShowProgressEverySecond(progress, form, onTerminal);
    QCoreApplication::exec();
    progress.stop();
    if (onTerminal) std::cerr << "\r\x1b[K";
    std::cout << tally.writer.End();
    // Ended by itself: the run went through its list, which is still there.
    const bool wentThrough = form.wentThrough && FileExists(form.listFile);
    form.Unload();
    tally.summarise(form.runSeconds);
    return wentThrough ? 0 : 1;
}

}  // namespace quillmark::app
