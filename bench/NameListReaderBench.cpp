// Time per name of the list reader on lists of 10 000 and 400 000 names: the
// cost of a name must not grow with the list.
//
//   qm_bench --benchmark_filter=NameList
//
// "per_name" is the time per name; compare it between the two sizes.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "engine/NameListReader.h"
#include "platform/Files.h"
#include "tests/support/TempFolder.h"

namespace quillmark {
namespace {

// A list file of `count` names of the usual shape, CR LF after each. A fresh
// file (one being written, as the generator's) is checked by its bytes on
// every call; an old one by its size and time.
class ListFixture {
public:
    ListFixture(std::int32_t count, bool fresh) : count_(count) {
        std::string bytes;
        for (std::int32_t i = 1; i <= count; ++i) bytes += "name" + std::to_string(i) + ".com\r\n";
        WriteFileReplacing(path(), bytes);
        // Old like a word list that came with the program, or forever fresh
        // (dated ahead) like a list still being written.
        const auto hour = std::chrono::hours(fresh ? 1 : -1);
        std::filesystem::last_write_time(path(), std::filesystem::file_time_type::clock::now() + hour);
    }
    std::filesystem::path path() const { return folder_ / "list.txt"; }
    std::int32_t count() const { return count_; }

private:
    testing::TempFolder folder_;
    std::int32_t count_;
};

void setPerName(benchmark::State& state, std::int64_t namesPerIteration) {
    state.counters["per_name"] =
        benchmark::Counter(static_cast<double>(namesPerIteration),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A whole run as the scheduler makes it: count, then every name from 1 to N,
// the index built on the way.
void NameListReader_FullRun(benchmark::State& state) {
    const ListFixture list(static_cast<std::int32_t>(state.range(0)), false);
    for (auto _ : state) {
        NameListReader reader;
        reader.setFile(list.path());
        benchmark::DoNotOptimize(reader.CountListEntries());
        for (std::int32_t n = 1; n <= list.count(); ++n) benchmark::DoNotOptimize(reader.ReadNameAt(n));
    }
    setPerName(state, list.count());
}
BENCHMARK(NameListReader_FullRun)->Arg(10000)->Arg(400000)->Unit(benchmark::kMillisecond);

// One name at a time once the index is built, walking the list in order.
void NameListReader_ReadNameAt(benchmark::State& state) {
    const ListFixture list(static_cast<std::int32_t>(state.range(0)), state.range(1) != 0);
    NameListReader reader;
    reader.setFile(list.path());
    reader.CountListEntries();
    std::int32_t n = 0;
    for (auto _ : state) {
        n = n % list.count() + 1;
        benchmark::DoNotOptimize(reader.ReadNameAt(n));
    }
    setPerName(state, 1);
}
BENCHMARK(NameListReader_ReadNameAt)
    ->ArgNames({"names", "fresh"})
    ->Args({10000, 0})
    ->Args({400000, 0})
    ->Args({10000, 1})
    ->Args({400000, 1});

}  // namespace
}  // namespace quillmark
