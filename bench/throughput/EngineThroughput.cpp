// Names judged per second by the lookup engine against an instant whois server
// in this process, beside a bare socket loop doing the same exchange over the
// same server in the same run: the ratio is what the engine costs on top of
// the sockets themselves, whatever the machine.
//
//   qm_engine_bench N [--limit SECONDS] [--keep] [--engine-only]
//
// N names (1 to 5 000 000) go through each phase; each phase is stopped after
// --limit seconds (300 unless told). Exits 0 only when the engine judged every
// name of the list exactly once, with the verdict the server's answer calls
// for; 1 when it did not, 2 when the measurement could not be made.
// --engine-only leaves out the bare loop, for a profiler's eyes.

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <time.h>
#include <unistd.h>

#include "app/core/HeadlessServices.h"
#include "engine/MainWindow.h"
#include "engine/ProgramState.h"
#include "platform/Files.h"
#include "program/ProductIdentity.h"

namespace quillmark::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::int64_t kMaxNames = 5'000'000;
constexpr int kInFlight = MainWindow::kPoolSize;
constexpr std::int32_t kWarmUpExchanges = 2000;
constexpr std::string_view kSuffix = ".com";

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// User and system time of this process. Everything here runs on one thread,
// so this stays a fair measure when other programs crowd the processors and
// the wall clock stretches.
double CpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// ---------------------------------------------------------------------------
// The names. Letters, then the decimal number: the trailing digits alone tell
// two names apart. Label lengths run from 3 to 12 so all three free lists get
// names, and odd numbers are free, so the list is half free, half taken.

std::string NameFor(std::int32_t i) {
    const std::string digits = std::to_string(i);
    const std::size_t length = 3 + static_cast<std::size_t>(i % 10);
    const std::size_t letters = length > digits.size() ? length - digits.size() : 1;
    std::string name;
    name.reserve(letters + digits.size() + kSuffix.size());
    for (std::size_t k = 0; k < letters; ++k) name += static_cast<char>('a' + (i / 7 + k * 5) % 26);
    name += digits;
    name += kSuffix;
    return name;
}

bool IsFreeQuery(std::string_view name) {
    if (name.size() > kSuffix.size() && name.substr(name.size() - kSuffix.size()) == kSuffix) {
        name.remove_suffix(kSuffix.size());
    }
    return !name.empty() && (name.back() - '0') % 2 == 1;
}

// The number a name was made from, when it is one of ours.
std::optional<std::int32_t> NumberOf(std::string_view name, const std::vector<std::string>& names) {
    if (name.size() <= kSuffix.size() || name.substr(name.size() - kSuffix.size()) != kSuffix)
        return std::nullopt;
    const std::string_view label = name.substr(0, name.size() - kSuffix.size());
    std::size_t first = label.size();
    while (first > 0 && label[first - 1] >= '0' && label[first - 1] <= '9') --first;
    if (first == label.size() || label.size() - first > 9) return std::nullopt;
    std::int64_t number = 0;
    for (std::size_t k = first; k < label.size(); ++k) number = number * 10 + (label[k] - '0');
    if (number >= static_cast<std::int64_t>(names.size())) return std::nullopt;
    if (names[static_cast<std::size_t>(number)] != name) return std::nullopt;
    return static_cast<std::int32_t>(number);
}

// ---------------------------------------------------------------------------
// A whois server that answers each query line the moment it arrives and
// closes, on the same event loop as everything else.

class InstantWhoisServer {
public:
    InstantWhoisServer() {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
        server_.setMaxPendingConnections(4 * kInFlight);
        server_.listen(QHostAddress::LocalHost, 0);
    }

    bool listening() const { return server_.isListening(); }
    quint16 port() const { return server_.serverPort(); }
    std::int64_t queries() const { return queries_; }

    static std::string ReplyTo(std::string_view query) {
        std::string reply;
        if (IsFreeQuery(query)) {
            reply += "No match for \"";
            reply += query;
            reply += "\".\r\n>>> Last update of whois database: 2024-01-01T00:00:00Z <<<\r\n";
        } else {
            reply += "   Domain Name: ";
            reply += query;
            reply += "\r\n   Registrar: Example Registrar, Inc.\r\n   Name Server: NS1.EXAMPLE.NET\r\n";
        }
        return reply;
    }

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void answer(QTcpSocket* socket) {
        if (!socket->canReadLine()) return;
        // Into a fixed buffer: readLine() without a size allocates a large
        // one per call, a cost that would sit on both sides of the ratio.
        char line[512];
        const qint64 read = socket->readLine(line, sizeof line);
        std::string_view query(line, read > 0 ? static_cast<std::size_t>(read) : 0);
        while (!query.empty() && (query.back() == '\n' || query.back() == '\r')) query.remove_suffix(1);
        ++queries_;
        const std::string reply = ReplyTo(query);
        socket->write(reply.data(), static_cast<qint64>(reply.size()));
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    std::int64_t queries_ = 0;
};

// ---------------------------------------------------------------------------
// The yardstick: the same exchange with nothing around it. A fresh socket per
// name, as the engine's client makes, and always kInFlight of them open.

class BareLoop {
public:
    // The names first .. first + count - 1.
    BareLoop(quint16 port, const std::vector<std::string>& names, std::int32_t first, std::int32_t count)
        : port_(port), names_(names), next_(first), end_(first + count), count_(count) {}

    struct Result {
        std::int32_t exchanges = 0;
        std::int32_t failures = 0;
        std::int32_t free = 0;
        double seconds = 0;
        double cpuSeconds = 0;
        bool timedOut = false;
    };

    Result run(int limitSeconds) {
        QEventLoop loop;
        loop_ = &loop;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &loop, [this] {
            result_.timedOut = true;
            loop_->quit();
        });
        watchdog.start(limitSeconds * 1000);
        const auto start = Clock::now();
        const double cpuStart = CpuSeconds();
        for (int k = 0; k < kInFlight; ++k) launch();
        if (result_.exchanges + result_.failures < count_) loop.exec();
        result_.seconds = secondsBetween(start, Clock::now());
        result_.cpuSeconds = CpuSeconds() - cpuStart;
        loop_ = nullptr;
        // Sockets still open after a time-out go with their parent.
        delete parent_;
        parent_ = nullptr;
        return result_;
    }

private:
    // One exchange: its socket is its child, so one deleteLater ends both.
    struct Exchange : QObject {
        explicit Exchange(QObject* parent) : QObject(parent), socket(this) {}
        QTcpSocket socket;
        std::string query;
        std::string reply;
        bool finished = false;
    };

    void launch() {
        if (next_ >= end_ || result_.timedOut) return;
        if (!parent_) parent_ = new QObject();
        auto* exchange = new Exchange(parent_);
        exchange->query = names_[static_cast<std::size_t>(next_++)];
        exchange->query += "\r\n";
        QTcpSocket& socket = exchange->socket;
        QObject::connect(&socket, &QTcpSocket::connected, exchange, [exchange] {
            exchange->socket.write(exchange->query.data(), static_cast<qint64>(exchange->query.size()));
        });
        QObject::connect(&socket, &QTcpSocket::readyRead, exchange, [exchange] {
            const QByteArray bytes = exchange->socket.readAll();
            exchange->reply.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        });
        QObject::connect(&socket, &QTcpSocket::disconnected, exchange,
                         [this, exchange] { finish(exchange, true); });
        QObject::connect(&socket, &QTcpSocket::errorOccurred, exchange, [this, exchange](auto error) {
            if (error != QAbstractSocket::RemoteHostClosedError) finish(exchange, false);
        });
        socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port_);
    }

    void finish(Exchange* exchange, bool closedByPeer) {
        if (exchange->finished) return;
        exchange->finished = true;
        const QByteArray rest = exchange->socket.readAll();
        exchange->reply.append(rest.constData(), static_cast<std::size_t>(rest.size()));
        if (closedByPeer && !exchange->reply.empty()) {
            ++result_.exchanges;
            if (exchange->reply.compare(0, 8, "No match") == 0) ++result_.free;
        } else {
            ++result_.failures;
        }
        exchange->deleteLater();
        if (result_.exchanges + result_.failures >= count_) {
            if (loop_) loop_->quit();
            return;
        }
        launch();
    }

    quint16 port_;
    const std::vector<std::string>& names_;
    std::int32_t next_;
    std::int32_t end_;
    std::int32_t count_;
    Result result_;
    QEventLoop* loop_ = nullptr;
    QObject* parent_ = nullptr;
};

// ---------------------------------------------------------------------------
// What the engine reported, checked against the list.

class Tally {
public:
    // Generated names carry their number; names of a given list are looked up.
    Tally(const std::vector<std::string>& names, bool generated) : names_(names), seen_(names.size(), 0) {
        if (generated) return;
        for (std::size_t i = 0; i < names.size(); ++i)
            byName_.emplace(names[i], static_cast<std::int32_t>(i));
    }

    void record(std::string_view name, bool free) {
        ++judged_;
        const auto number = byName_.empty() ? NumberOf(name, names_) : Find(name);
        if (!number) {
            ++unexpected_;
            return;
        }
        auto& seen = seen_[static_cast<std::size_t>(*number)];
        if (seen != 0) ++duplicates_;
        if (seen < 255) ++seen;
        if (free != IsFreeQuery(name)) ++wrongVerdicts_;
        if (free) ++free_;
    }

    std::int64_t judged() const { return judged_; }
    std::int64_t free() const { return free_; }

    std::int64_t duplicates() const { return duplicates_; }
    std::int64_t unexpected() const { return unexpected_; }
    std::int64_t wrongVerdicts() const { return wrongVerdicts_; }
    std::int64_t distinct() const {
        std::int64_t count = 0;
        for (const auto seen : seen_) count += seen != 0;
        return count;
    }

private:
    std::optional<std::int32_t> Find(std::string_view name) const {
        const auto found = byName_.find(std::string(name));
        if (found == byName_.end()) return std::nullopt;
        return found->second;
    }

    const std::vector<std::string>& names_;
    std::vector<std::uint8_t> seen_;
    std::unordered_map<std::string, std::int32_t> byName_;
    std::int64_t judged_ = 0;
    std::int64_t free_ = 0;
    std::int64_t duplicates_ = 0;
    std::int64_t unexpected_ = 0;
    std::int64_t wrongVerdicts_ = 0;
};

struct EngineResult {
    double seconds = 0;
    double cpuSeconds = 0;
    bool timedOut = false;
    bool stoppedByItself = false;
    // How far below the event loop's frame the stack reached when a name was
    // judged: the engine lets events run nested inside its handlers.
    std::uintptr_t deepestStackBytes = 0;
};

// An address in the caller's frame, to measure the stack by.
[[gnu::noinline]] std::uintptr_t StackMark() {
    volatile char mark = 0;
    return reinterpret_cast<std::uintptr_t>(&mark);
}

// A run as the command line makes it: the custom list chosen through the
// open-file dialog, Start pressed, until the run stops at the end of the list.
EngineResult RunEngine(const fs::path& programFolder, const fs::path& listFile, std::int32_t count,
                       Tally& tally, int limitSeconds) {
    app::HeadlessServices services(listFile.string());
    ProgramState state(programFolder);

    EngineResult result;
    QEventLoop loop;
    Clock::time_point start{};
    Clock::time_point end{};
    double cpuStart = 0;
    double cpuEnd = 0;
    std::uintptr_t stackTop = 0;
    std::uintptr_t stackLowest = 0;
    MainWindowHooks hooks;
    hooks.nameListed = [&](std::string_view name, MainWindowHooks::Verdict verdict, std::string_view) {
        tally.record(name, verdict != MainWindowHooks::Verdict::Taken);
        stackLowest = std::min(stackLowest, StackMark());
    };
    hooks.runStopped = [&] {
        end = Clock::now();
        cpuEnd = CpuSeconds();
        result.stoppedByItself = !result.timedOut;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
    };
    MainWindow form(services, state, hooks);
    form.Load();
    state.useProxy = true;
    // Every row must lead back to this process: the bench talks to nothing else.
    for (const auto& row : state.serverTable) {
        if (row.host != "127.0.0.1") {
            std::cerr << "qm_engine_bench: server table row " << row.extension << " leads to " << row.host
                      << ", not to the local server\n";
            std::exit(2);
        }
    }
    form.searchType.setText("Custom List");
    form.ChooseSearchType();
    if (form.listSize.text() != std::to_string(count) || form.startNumber.text() != "1") {
        std::cerr << "qm_engine_bench: the engine counts " << form.listSize.text() << " names from "
                  << form.startNumber.text() << ", expected " << count << " from 1\n";
        std::exit(2);
    }

    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] {
        result.timedOut = true;
        form.Stop();
    });
    watchdog.start(limitSeconds * 1000);
    QTimer::singleShot(0, &loop, [&] {
        stackTop = stackLowest = StackMark();
        start = Clock::now();
        cpuStart = CpuSeconds();
        form.Start();
    });
    loop.exec();
    watchdog.stop();
    result.seconds = secondsBetween(start, end);
    result.cpuSeconds = cpuEnd - cpuStart;
    result.deepestStackBytes = stackTop - stackLowest;
    form.Unload();
    return result;
}

// ---------------------------------------------------------------------------

std::optional<std::int64_t> StatusKiB(std::string_view field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0 && line.size() > field.size() && line[field.size()] == ':') {
            return std::strtoll(line.c_str() + field.size() + 1, nullptr, 10);
        }
    }
    return std::nullopt;
}

// Lets VmHWM start again from the present size (Linux 4.0 and later).
bool ResetPeakRss() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

std::string Mib(std::optional<std::int64_t> kib) {
    if (!kib) return "unknown";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(*kib) / 1024.0);
    return text;
}

std::string Fixed(double value, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The machine's load while measuring: the wall-clock figures mean little when
// it exceeds the number of processors.
std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return file ? one + " " + five + " " + fifteen + " (" + std::to_string(::sysconf(_SC_NPROCESSORS_ONLN)) +
                      " processors)"
                : std::string("unknown");
}

void Usage() {
    std::cerr
        << "usage: qm_engine_bench N [--limit SECONDS] [--keep] [--engine-only]   (N from 1 to 5000000)\n"
           "       qm_engine_bench --list FILE [--limit SECONDS] [--keep] [--engine-only]\n";
}

int Main(int argc, char** argv) {
    std::int64_t count = 0;
    int limitSeconds = 300;
    bool keep = false;
    bool engineOnly = false;
    std::optional<fs::path> givenList;
    for (int k = 1; k < argc; ++k) {
        const std::string_view argument = argv[k];
        if (argument == "--keep") {
            keep = true;
        } else if (argument == "--engine-only") {
            engineOnly = true;
        } else if (argument == "--list" && k + 1 < argc) {
            givenList = fs::path(argv[++k]);
        } else if (argument == "--limit" && k + 1 < argc) {
            limitSeconds = std::atoi(argv[++k]);
        } else if (count == 0) {
            count = std::atoll(argv[k]);
        } else {
            Usage();
            return 2;
        }
    }
    std::vector<std::string> listed;
    if (givenList) {
        // A word list: each word is looked up under the suffix, as a run would.
        for (auto& word : ReadNameList(*givenList)) {
            listed.push_back(word.find('.') == std::string::npos ? word + std::string(kSuffix) : word);
        }
        count = static_cast<std::int64_t>(listed.size());
    }
    if (count < 1 || count > kMaxNames || limitSeconds < 1) {
        Usage();
        return 2;
    }
    const auto n = static_cast<std::int32_t>(count);

    const fs::path root =
        fs::temp_directory_path() / ("quillmark-engine-bench-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const fs::path programFolder = root / "program";
    const fs::path configFolder = root / "config";
    const fs::path listFile = root / "list.txt";
    fs::create_directories(programFolder);
    fs::create_directories(configFolder);
    // Settings of this run only, never the user's.
    ::setenv("XDG_CONFIG_HOME", configFolder.c_str(), 1);

    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("Quillmark");

    InstantWhoisServer server;
    if (!server.listening()) {
        std::cerr << "qm_engine_bench: cannot listen on 127.0.0.1\n";
        return 2;
    }

    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(n));
    std::string listBytes;
    for (std::int32_t i = 0; i < n; ++i) {
        names.push_back(givenList ? std::move(listed[static_cast<std::size_t>(i)]) : NameFor(i));
        listBytes += names.back();
        listBytes += "\r\n";
    }
    const std::string port = std::to_string(server.port());
    const std::string table =
        "proxy|127.0.0.1|" + port + "|Enabled\r\ncom|127.0.0.1|" + port + "|Enabled\r\n";
    if (!WriteFileReplacing(listFile, listBytes) ||
        !WriteFileReplacing(programFolder / "registrars.txt", table)) {
        std::cerr << "qm_engine_bench: cannot write into " << root.string() << '\n';
        return 2;
    }
    listBytes = std::string();

    // Half the bare exchanges before the engine and half after it, so a
    // machine that gets busier or quieter during the run moves both sides.
    if (!engineOnly) BareLoop(server.port(), names, 0, std::min(n, kWarmUpExchanges)).run(limitSeconds);
    const std::int32_t firstHalf = engineOnly ? 0 : n / 2;
    const std::int64_t queriesBeforeBare = server.queries();
    const BareLoop::Result bareBefore = BareLoop(server.port(), names, 0, firstHalf).run(limitSeconds);
    std::int64_t bareQueries = server.queries() - queriesBeforeBare;

    const auto peakBeforeEngine = StatusKiB("VmHWM");
    const auto rssBeforeEngine = StatusKiB("VmRSS");
    const bool peakReset = ResetPeakRss();
    Tally tally(names, !givenList);
    const std::int64_t queriesBeforeEngine = server.queries();
    const EngineResult engine = RunEngine(programFolder, listFile, n, tally, limitSeconds);
    const std::int64_t engineQueries = server.queries() - queriesBeforeEngine;
    const auto peak = StatusKiB("VmHWM");

    const std::int64_t queriesAfterEngine = server.queries();
    const BareLoop::Result bareAfter =
        BareLoop(server.port(), names, firstHalf, engineOnly ? 0 : n - firstHalf).run(limitSeconds);
    bareQueries += server.queries() - queriesAfterEngine;

    const std::int32_t bareExchanges = bareBefore.exchanges + bareAfter.exchanges;
    const double bareSeconds = bareBefore.seconds + bareAfter.seconds;
    const double bareCpuSeconds = bareBefore.cpuSeconds + bareAfter.cpuSeconds;
    const auto judged = static_cast<double>(tally.judged());
    const auto perSecond = [](double count, double seconds) { return seconds > 0 ? count / seconds : 0.0; };
    const auto micros = [](double seconds, double count) { return count > 0 ? seconds * 1e6 / count : 0.0; };
    const double bareRate = perSecond(bareExchanges, bareSeconds);
    const double engineRate = perSecond(judged, engine.seconds);
    const double ratio = bareRate > 0 ? engineRate / bareRate : 0;
    const double engineCpuRate = perSecond(judged, engine.cpuSeconds);
    const double bareCpuRate = perSecond(bareExchanges, bareCpuSeconds);
    const double cpuRatio = bareCpuRate > 0 ? engineCpuRate / bareCpuRate : 0;
    const bool everyNameOnce = tally.distinct() == n && tally.duplicates() == 0 && tally.unexpected() == 0 &&
                               tally.judged() == n && engine.stoppedByItself;
    const bool verdictsRight = tally.wrongVerdicts() == 0;
    const bool bareComplete =
        engineOnly || (bareExchanges == n && !bareBefore.timedOut && !bareAfter.timedOut);
    const auto halfRate = [&](const BareLoop::Result& half) {
        return Fixed(perSecond(half.exchanges, half.seconds), 1) +
               (half.failures > 0 ? " with " + std::to_string(half.failures) + " failed" : std::string()) +
               (half.timedOut ? ", STOPPED AT THE TIME LIMIT" : "");
    };

    std::cout << "names:                  " << n << '\n'
              << "engine names/s:         " << Fixed(engineRate, 1) << "  (" << tally.judged()
              << " judged in " << Fixed(engine.seconds, 3) << " s"
              << (engine.timedOut ? ", STOPPED AT THE TIME LIMIT" : "") << ")\n"
              << "bare exchanges/s:       " << Fixed(bareRate, 1) << "  (" << bareExchanges << " in "
              << Fixed(bareSeconds, 3) << " s; before the engine " << halfRate(bareBefore) << ", after it "
              << halfRate(bareAfter) << ")\n"
              << "ratio engine/bare:      "
              << (engineOnly
                      ? std::string("n/a (--engine-only)")
                      : Fixed(ratio, 3) + "  (target >= 0.5: " + (ratio >= 0.5 ? "met" : "MISSED") + ")")
              << '\n'
              << "engine us/name:         " << Fixed(micros(engine.seconds, judged), 2) << '\n'
              << "bare us/exchange:       " << Fixed(micros(bareSeconds, bareExchanges), 2) << '\n'
              << "engine cpu us/name:     " << Fixed(micros(engine.cpuSeconds, judged), 2) << '\n'
              << "bare cpu us/exchange:   " << Fixed(micros(bareCpuSeconds, bareExchanges), 2) << '\n'
              << "ratio by cpu time:      " << (engineOnly ? std::string("n/a") : Fixed(cpuRatio, 3)) << '\n'
              << "engine stack depth:     "
              << Fixed(static_cast<double>(engine.deepestStackBytes) / 1024.0, 1)
              << " KiB at most below the event loop\n"
              << "peak RSS, engine phase: "
              << (peakReset ? Mib(peak) : std::string("unknown (cannot reset VmHWM)")) << "  (RSS before it "
              << Mib(rssBeforeEngine) << "; peak before it " << Mib(peakBeforeEngine) << ")\n"
              << "distinct names judged:  " << tally.distinct() << " of " << n << ", " << tally.duplicates()
              << " judged again, " << tally.unexpected() << " not on the list, " << tally.wrongVerdicts()
              << " wrong verdicts (" << tally.free() << " free)\n"
              << "server queries:         engine " << engineQueries << ", bare " << bareQueries << '\n'
              << "load average:           " << LoadAverage() << '\n'
              << "every name judged once: " << (everyNameOnce && verdictsRight ? "yes" : "NO") << '\n';

    if (!keep) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    } else {
        std::cout << "kept:                   " << root.string() << '\n';
    }
    if (!everyNameOnce || !verdictsRight) return 1;
    if (!bareComplete) return 2;
    return 0;
}

}  // namespace
}  // namespace quillmark::bench

int main(int argc, char** argv) {
    return quillmark::bench::Main(argc, argv);
}
