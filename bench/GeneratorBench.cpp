// Names per second of a whole generator run: combining, listing and writing
// CreatedDomains.txt, for about 100 000 and 1 000 000 names.
//
//   qm_bench --benchmark_filter=Generator
//
// "names_per_second" is the figure to compare; "pumps" counts the times the
// run let the window's events through (about one per thousand names).

#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "generator/NameGenerator.h"
#include "platform/Files.h"
#include "tests/support/TempFolder.h"

namespace quillmark {
namespace {

// Just enough of the platform for the generator: settings in memory, events
// counted, nothing else used.
class BenchServices : public Services, EventPump, SettingsStore {
public:
    std::unique_ptr<TcpClient> makeTcpClient() override { return nullptr; }
    std::unique_ptr<HttpClient> makeHttpClient() override { return nullptr; }
    std::unique_ptr<Timer> makeTimer() override { return nullptr; }
    EventPump& pump() override { return *this; }
    SettingsStore& settings() override { return *this; }
    Clipboard& clipboard() override { std::abort(); }
    FileDialogs& dialogs() override { std::abort(); }
    MessageBox& messages() override { std::abort(); }
    Shell& shell() override { std::abort(); }
    Clock& clock() override { std::abort(); }

    void processPendingEvents() override { ++pumps; }
    std::string GetSetting(std::string_view, std::string_view, std::string_view key,
                           std::string_view defaultValue) override {
        const auto found = values_.find(std::string(key));
        return found == values_.end() ? std::string(defaultValue) : found->second;
    }
    void SaveSetting(std::string_view, std::string_view, std::string_view key,
                     std::string_view value) override {
        values_[std::string(key)] = std::string(value);
    }
    void flush() override {}

    long pumps = 0;

private:
    std::map<std::string, std::string> values_;
};

void Generator_Run(benchmark::State& state) {
    const auto words = state.range(0);
    testing::TempFolder folder;
    std::string appends = "\r\n";
    for (std::int64_t i = 0; i < words; ++i) appends += "word" + std::to_string(i) + "\r\n";
    folder.write("Appends.txt", appends);
    const ProgramFolder programFolder(folder.path());
    program::ProductIdentity constants;
    BenchServices services;
    generator::NameGenerator form(services, programFolder, constants);
    form.Load();  // every box ticked: 36 names per word
    form.baseWord.setText("shop");
    std::int64_t names = 0;
    for (auto _ : state) {
        form.Generate();
        names += form.createdCount;
    }
    state.counters["names_per_second"] =
        benchmark::Counter(static_cast<double>(names), benchmark::Counter::kIsRate);
    state.counters["names"] = form.createdCount;
    state.counters["pumps"] = static_cast<double>(services.pumps) / static_cast<double>(state.iterations());
}

BENCHMARK(Generator_Run)->Arg(2800)->Arg(28000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillmark
