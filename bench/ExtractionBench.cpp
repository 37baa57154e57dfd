// Throughput of both extractions over a result page of 20 000 and 100 000
// distinct names (about 1 MB and 5 MB of markup): the bytes per second must
// not fall as the page, and with it the list of found names, grows.
//
//   qm_bench --benchmark_filter=Extract
//
// "bytes_per_second" is the markup taken per second; compare it between sizes.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "harvest/PageExtraction.h"

namespace quillmark {
namespace {

// One result per two names: a link the list builder takes and a name in the
// snippet's plain text that only browsing finds.
std::string resultPage(std::int64_t names) {
    std::string page = "<html><head><title>Results</title></head><body><ol>\n";
    for (std::int64_t i = 0; i < names / 2; ++i) {
        const std::string n = std::to_string(i);
        page += "<li><a href=\"http://www.shop" + n + "-a.com/i?" + n + "\" target=\"_blank\">Shop " + n +
                "</a><p>See bargain" + n + ".net today.</p></li>\n";
    }
    return page + "</ol></body></html>\n";
}

whois::ServerTable defaultTable() {
    whois::ServerTable table;
    for (const char* extension : {"proxy", "com", "net", "org", "info", "biz", "name"}) {
        table.push_back(whois::ServerRow{extension, "whois.test", 43, std::string_view(extension) != "org"});
    }
    return table;
}

harvest::ExtractionHooks noOpHooks() {
    harvest::ExtractionHooks hooks;
    hooks.afterEachLine = [] {};
    return hooks;
}

// One extraction per iteration over a page of `range(0)` names, into fresh names.
template <typename Names, typename Extract>
void ExtractPage(benchmark::State& state, Extract extract) {
    const std::string page = resultPage(state.range(0));
    const auto table = defaultTable();
    const auto hooks = noOpHooks();
    std::int32_t found = 0;
    for (auto _ : state) {
        Names names;
        found = extract(page, table, names, hooks);
        benchmark::DoNotOptimize(names);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
    state.counters["names"] = found;
}

void Extract_ListBuilderPage(benchmark::State& state) {
    ExtractPage<harvest::ListBuilderNames>(
        state, [](const auto& page, const auto& table, auto& names, const auto& hooks) {
            harvest::ExtractListNames(page, table, names, {}, hooks);
            return names.FoundCount;
        });
}

void Extract_BrowsePage(benchmark::State& state) {
    ExtractPage<harvest::BrowseNames>(
        state, [](const auto& page, const auto& table, auto& names, const auto& hooks) {
            harvest::ExtractPageNames(page, table, names, {}, hooks);
            return names.BrowseFoundCount;
        });
}

BENCHMARK(Extract_ListBuilderPage)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(Extract_BrowsePage)->Arg(20'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillmark
