// `quillmark run` over one list of .com names, twice, as a child process: by
// RDAP against an HTTP server in this process, then by whois (RDAP switched
// off) against a whois server in this process. Both servers answer at once,
// so the figures are what the program itself costs per name. Prints names per
// second of each, their ratio and each child's peak memory.
//
//   qm_rdap_bench [NAMES] [--limit SECONDS]   (5000 names, 300 s a run)
//
// Exit status: 0 when both runs are right and the ratio meets its target;
// 1 (with a FAIL line) when a name did not get exactly one line with the
// verdict and protocol the servers call for; 2 when a run could not be made
// or did not end in time; 3 when the ratio misses its target.

#include <fcntl.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"
#include "platform/Text.h"
#include "support/LocalHttpServer.h"
#include "support/LocalWhoisServer.h"
#include "support/TempFolder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using quillmark::testing::LocalHttpServer;
using quillmark::testing::LocalWhoisServer;
using quillmark::testing::TempFolder;
using Clock = std::chrono::steady_clock;

constexpr double kTargetRatio = 0.5;
// How often the child is asked whether it has stopped or ended: small beside
// a run of thousands of names.
constexpr int kReapPollMs = 2;

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Odd numbers are free, even ones taken: the halves interleave through the list.
std::string nameFor(int i) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05d", i);
    return std::string(i % 2 ? "free" : "taken") + digits + ".com";
}

bool isFree(std::string_view name) {
    return name.starts_with("free");
}

struct ChildRun {
    bool started = false;
    bool ended = false;       // by itself, within the limit
    int exitCode = -1;        // -1: ended by a signal
    double seconds = 0;       // from the spawn to the end
    double linesSeconds = 0;  // from the first line of output to the last
    long peakKiB = 0;
    std::string out;
};

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (auto& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

// The high-water mark of resident memory of a stopped child's own image.
long highWaterKiB(pid_t pid) {
    const auto status = quillmark::ReadWholeFile(fs::path("/proc") / std::to_string(pid) / "status");
    for (const auto line : quillmark::text::splitLines(status.value_or(""))) {
        if (line.starts_with("VmHWM:")) return std::atol(std::string(line.substr(6)).c_str());
    }
    return 0;
}

// Runs the program with its settings in configHome and its error stream in
// errFile, while this process's event loop keeps serving.
//
// The child's peak memory is read from its own image as it exits, where it
// stops for this process as its tracer. Its rusage would not do: a child's
// maxrss keeps the memory of the process it was forked from, this one.
ChildRun runProgram(std::vector<std::string> args, const fs::path& configHome, const fs::path& errFile,
                    int limitSeconds) {
    ChildRun run;
    std::vector<std::string> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        if (!std::string_view(*variable).starts_with("XDG_CONFIG_HOME=")) environment.emplace_back(*variable);
    }
    environment.push_back("XDG_CONFIG_HOME=" + configHome.string());
    args.insert(args.begin(), QUILLMARK_EXE);
    auto argv = pointersTo(args);
    auto envp = pointersTo(environment);
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return run;

    const auto startedAt = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Only calls that are safe between fork and exec.
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err < 0 || ::dup2(err, STDERR_FILENO) < 0 || ::dup2(pipeEnds[1], STDOUT_FILENO) < 0 ||
            ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
            ::_exit(127);
        ::execve(QUILLMARK_EXE, argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    const int output = pipeEnds[0];
    int status = 0;
    rusage usage{};
    // A traced child stops once its new image is in place.
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status) ||
        ::ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACEEXIT | PTRACE_O_EXITKILL) != 0 ||
        ::ptrace(PTRACE_CONT, pid, nullptr, nullptr) != 0) {
        std::fprintf(stderr, "cannot start and trace %s\n", QUILLMARK_EXE);
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
        }
        ::close(output);
        return run;
    }
    run.started = true;
    ::fcntl(output, F_SETFL, ::fcntl(output, F_GETFL) | O_NONBLOCK);

    std::optional<Clock::time_point> firstLine, lastLine;
    // Reads what is there; false once the output has ended.
    const auto drain = [&] {
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(output, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return got < 0;
            run.out.append(buffer, static_cast<std::size_t>(got));
            if (std::string_view(buffer, static_cast<std::size_t>(got)).find('\n') == std::string_view::npos)
                continue;
            lastLine = Clock::now();
            if (!firstLine) firstLine = lastLine;
        }
    };

    QEventLoop loop;
    QSocketNotifier readable(output, QSocketNotifier::Read);
    // An ended output stays readable; it is not watched any more.
    QObject::connect(&readable, &QSocketNotifier::activated, &loop, [&] {
        if (!drain()) readable.setEnabled(false);
    });
    // The child stops for its tracer at its exit and at every signal it gets;
    // a signal is passed on.
    const auto passOn = [pid](int stopStatus) {
        const int signal = WSTOPSIG(stopStatus);
        const bool event = (stopStatus >> 16) != 0 || signal == SIGTRAP;
        ::ptrace(PTRACE_CONT, pid, nullptr, reinterpret_cast<void*>(static_cast<long>(event ? 0 : signal)));
    };
    QTimer reap;
    QObject::connect(&reap, &QTimer::timeout, &loop, [&] {
        if (::wait4(pid, &status, WNOHANG, &usage) != pid) return;
        if (WIFSTOPPED(status)) {
            if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
                run.seconds = secondsBetween(startedAt, Clock::now());
                run.peakKiB = highWaterKiB(pid);
            }
            return passOn(status);
        }
        if (run.seconds == 0) run.seconds = secondsBetween(startedAt, Clock::now());
        run.ended = true;
        loop.quit();
    });
    reap.start(kReapPollMs);
    QTimer::singleShot(limitSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    reap.stop();
    readable.setEnabled(false);
    if (!run.ended) {
        ::kill(pid, SIGKILL);
        while (::wait4(pid, &status, 0, &usage) == pid && WIFSTOPPED(status)) passOn(status);
    }
    drain();
    ::close(output);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (firstLine) run.linesSeconds = secondsBetween(*firstLine, *lastLine);
    return run;
}

// Empty when every name of the list got exactly one line, with the verdict
// its name calls for and the protocol expected; else what went wrong.
std::string faultsOf(const std::string& out, int names, std::string_view protocol) {
    std::map<std::string, int> seen;
    int wrongVerdict = 0, wrongProtocol = 0, unknown = 0, malformed = 0;
    std::string example;
    const auto note = [&example](const std::string& line) {
        if (example.empty()) example = line;
    };
    for (const auto line : quillmark::text::splitLines(out)) {
        if (line.empty()) continue;
        const auto fields = quillmark::text::split(line, '\t');
        if (fields.size() != 4) {
            ++malformed;
            note(std::string(line));
            continue;
        }
        const std::string name(fields[1]);
        ++seen[name];
        if (fields[0] == "unknown") {
            ++unknown;
            note(std::string(line));
        } else if (fields[0] != (isFree(name) ? "free" : "taken")) {
            ++wrongVerdict;
            note(std::string(line));
        }
        if (fields[3] != protocol) {
            ++wrongProtocol;
            note(std::string(line));
        }
    }
    int missing = 0, repeated = 0;
    for (int i = 1; i <= names; ++i) {
        const auto found = seen.find(nameFor(i));
        if (found == seen.end()) {
            ++missing;
            continue;
        }
        if (found->second > 1) ++repeated;
        seen.erase(found);
    }
    const int stray = static_cast<int>(seen.size());
    if (missing + repeated + stray + wrongVerdict + wrongProtocol + unknown + malformed == 0) return {};
    std::string faults;
    const auto add = [&faults](int count, const std::string& what) {
        if (count > 0) faults += (faults.empty() ? "" : ", ") + std::to_string(count) + " " + what;
    };
    add(missing, "names without a line");
    add(repeated, "names with more than one line");
    add(stray, "names not on the list");
    add(unknown, "unknown");
    add(wrongVerdict, "wrong verdicts");
    add(wrongProtocol, "not judged by " + std::string(protocol));
    add(malformed, "malformed lines");
    return faults + (example.empty() ? "" : "; e.g. \"" + example + "\"");
}

std::string lastLineOf(const std::string& text) {
    const auto lines = quillmark::text::splitLines(text);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (!line->empty()) return std::string(*line);
    }
    return {};
}

struct Measured {
    bool made = false;  // ran and ended by itself
    bool right = false;
    double namesPerSecond = 0;
};

// One run of the list with the given settings; prints its figures.
Measured measure(const char* title, std::string_view protocol, bool whoisOnly, int names, int limitSeconds,
                 const std::string& list, const std::string& registrars, const std::string& rdapServers) {
    TempFolder folder, config;
    folder.write("names.txt", list);
    folder.write("registrars.txt", registrars);
    folder.write("rdapservers.json", rdapServers);
    fs::create_directories(config / "Quillmark");
    config.write("Quillmark/Quillmark.ini",
                 std::string("[Settings]\nWhoisOnly=") + (whoisOnly ? "1" : "0") + "\n");
    const ChildRun run = runProgram({"run", "--folder", folder.path().string(), "--source", "Custom List",
                                     "--list", (folder / "names.txt").string()},
                                    config.path(), folder / "stderr.txt", limitSeconds);
    const std::string err = folder.read("stderr.txt");
    Measured measured;
    std::printf("%s\n", title);
    if (!run.started) return measured;
    if (!run.ended) {
        std::printf("FAIL: %s run did not end within %d s\n", title, limitSeconds);
        return measured;
    }
    measured.made = true;
    measured.namesPerSecond = names / run.seconds;
    std::printf("  whole run:        %.3f s, %.0f names/s\n", run.seconds, measured.namesPerSecond);
    if (run.linesSeconds > 0)
        std::printf("  first to last:    %.3f s, %.0f names/s (start-up left out)\n", run.linesSeconds,
                    (names - 1) / run.linesSeconds);
    std::printf("  peak memory:      %.1f MiB (max RSS)\n", run.peakKiB / 1024.0);
    std::printf("  program says:     %s\n", lastLineOf(err).c_str());
    const std::string faults = faultsOf(run.out, names, protocol);
    measured.right = run.exitCode == 0 && faults.empty();
    if (run.exitCode != 0) std::printf("FAIL: %s run ended with status %d\n", title, run.exitCode);
    if (!faults.empty()) std::printf("FAIL: %s run: %s\n", title, faults.c_str());
    return measured;
}

// Every request a server had; more than one a name means lookups asked again.
template <typename Map>
int requestsIn(const Map& asked) {
    int total = 0;
    for (const auto& [key, count] : asked) total += count;
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    int names = 5000;
    int limitSeconds = 300;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--limit" && i + 1 < argc) {
            limitSeconds = std::atoi(argv[++i]);
        } else {
            names = std::atoi(argv[i]);
        }
    }
    if (names < 2 || limitSeconds < 1) {
        std::fprintf(stderr, "usage: qm_rdap_bench [NAMES >= 2] [--limit SECONDS]\n");
        return 2;
    }

    std::string list;
    for (int i = 1; i <= names; ++i) list += nameFor(i) + "\r\n";
    LocalHttpServer http([](const std::string& path) {
        const std::string name = path.substr(path.rfind('/') + 1);
        LocalHttpServer::Answer answer;
        if (!path.starts_with("/domain/")) {
            answer.status = 400;
        } else if (isFree(name)) {
            answer.status = 404;
        } else {
            answer.body = R"({"objectClassName":"domain","ldhName":")" + name + "\"}";
        }
        return answer;
    });
    LocalWhoisServer whois;
    const std::string registrars = "com|127.0.0.1|" + std::to_string(whois.port()) + "|Enabled\r\n";
    const std::string rdapServers = R"({"services":[[["com"],[")" + http.base() + "\"]]]}";

    // The program's libraries come from the page cache for both runs alike.
    {
        TempFolder scratch;
        runProgram({"run", "--help"}, scratch.path(), scratch / "stderr.txt", limitSeconds);
    }

    std::printf("names: %d (half free), servers in this process on 127.0.0.1\n", names);
    const Measured rdap = measure("rdap", "rdap", false, names, limitSeconds, list, registrars, rdapServers);
    const int httpAfterRdap = requestsIn(http.paths());
    const int whoisAfterRdap = requestsIn(whois.queries());
    const Measured byWhois = measure("whois (RDAP switched off)", "whois", true, names, limitSeconds, list,
                                     registrars, rdapServers);
    std::printf("requests: rdap run %d HTTP + %d whois; whois run %d HTTP + %d whois\n", httpAfterRdap,
                whoisAfterRdap, requestsIn(http.paths()) - httpAfterRdap,
                requestsIn(whois.queries()) - whoisAfterRdap);
    if (!rdap.made || !byWhois.made) return 2;
    const double ratio = rdap.namesPerSecond / byWhois.namesPerSecond;
    const bool met = ratio >= kTargetRatio;
    std::printf("ratio rdap / whois: %.2f (target >= %.1f: %s)\n", ratio, kTargetRatio,
                met ? "met" : "MISSED");
    if (!rdap.right || !byWhois.right) return 1;
    return met ? 0 : 3;
}
