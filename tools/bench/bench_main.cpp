// RavlenBench.exe: how fast the wizard shows its first page and how much
// memory it holds then, next to the bare platform program doing the same,
// how long one Save pass takes, how long the Customize Keys page takes to
// show first, and how long its files tree takes to open a folder of 5 000 files.
#include "first_page.h"
#include "options.h"
#include "page_jump.h"
#include "save_pass_timer.h"
#include "start_series.h"
#include "stats.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kStartGoal = 1.25;          // against the empty floor: information only
constexpr double kSameTemplatesGoal = 1.10;  // against the floor with the program's own templates
constexpr double kMemoryGoal = 1.5;

struct Series {
    Series(std::string roleName, std::string path) : role(std::move(roleName)), program(std::move(path)) {}
    std::string role;
    std::string program;
    std::vector<double> startMs;
    std::vector<double> workingSetMiB;
    int pendingSeen = 0;
    int endedByForce = 0;
    bool failed = false;
};

void Fail(Series& series, const std::string& error) {
    series.failed = true;
    std::printf("%s %s: not measured: %s\n", series.role.c_str(), FileName(series.program).c_str(), error.c_str());
    std::fflush(stdout);
}

void TimeAndRecord(Series& series) {
    StartSample sample;
    std::string error;
    if (!TimeOneStart(series.program, sample, error)) return Fail(series, error);
    series.startMs.push_back(sample.startMs);
    series.workingSetMiB.push_back(sample.workingSetMiB);
    series.pendingSeen += sample.pendingSeen ? 1 : 0;
    series.endedByForce += sample.endedByForce ? 1 : 0;
}

// The first start of each program fills the caches and is not counted. The
// floor's also checks that another process's pending paint can be seen from
// here: without that, "no paint pending" would hold from the start. (Input
// idle is no substitute: under Wine it comes before the first paint.)
bool WarmUp(Series& series, bool checkPaintSignal) {
    StartSample sample;
    std::string error, detail;
    bool signalWorks = true;
    auto check = [&](HWND page) { signalWorks = UpdateRegionIsVisible(page, detail); };
    if (!TimeOneStart(series.program, sample, error, checkPaintSignal ? check : std::function<void(HWND)>{})) {
        Fail(series, "first start: " + error);
        return true;
    }
    if (!signalWorks) {
        std::printf("cannot tell when a page is painted: %s\n", detail.c_str());
        return false;
    }
    return true;
}

void PrintSeries(const Series& series) {
    if (series.failed || series.startMs.empty()) return;
    std::printf("%-8s %-16s start %7.1f ms (%.1f-%.1f)   working set %6.1f MiB (%.1f-%.1f)\n", series.role.c_str(),
                FileName(series.program).c_str(), Median(series.startMs), Smallest(series.startMs),
                Largest(series.startMs), Median(series.workingSetMiB), Smallest(series.workingSetMiB),
                Largest(series.workingSetMiB));
    std::printf("         a paint of its page was seen pending before it was done in %d of %d starts\n",
                series.pendingSeen, static_cast<int>(series.startMs.size()));
    if (series.endedByForce > 0)
        std::printf("         warning: %d of its starts did not close on Cancel and were ended by force\n",
                    series.endedByForce);
}

void PrintRatios(const Series& measured, const Series& bare, const char* against, double startGoal) {
    double start = Median(measured.startMs) / Median(bare.startMs);
    double memory = Median(measured.workingSetMiB) / Median(bare.workingSetMiB);
    std::printf("%-8s %-16s start %7.2f (goal <= %.2f: %s)   working set %6.2f (goal <= %.2f: %s)\n", "ratio",
                against, start, startGoal, start <= startGoal ? "met" : "NOT met", memory, kMemoryGoal,
                memory <= kMemoryGoal ? "met" : "NOT met");
}

// The Customize Keys page made and shown for the first time: from the page
// change to the page painted, its four trees filled on the way.
std::optional<double> TimeCustomizeKeysPage(const std::string& program, int runs) {
    constexpr int kCustomizeKeys = 3;
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        StartSample sample;
        std::string error, jumpError;
        double ms = -1;
        if (!TimeOneStart(program, sample, error,
                          [&](HWND page) { ms = TimePageJump(GetParent(page), kCustomizeKeys, jumpError); }) ||
            ms < 0) {
            std::printf("customize keys page of %s: not measured: %s\n", FileName(program).c_str(),
                        (error + jumpError).c_str());
            return std::nullopt;
        }
        if (run > 0) times.push_back(ms);  // the first fills the caches
    }
    std::printf("customize keys page of %s: first shown%s and painted in %.1f ms median of %d (%.1f-%.1f)\n",
                FileName(program).c_str(), FileName(program) == "Ravlen.exe" ? ", trees filled" : "",
                Median(times), runs, Smallest(times), Largest(times));
    return Median(times);
}

// A timer program beside the runner that prints its own figures.
bool PrintTimer(const std::string& timer, const char* what) {
    if (!FileExists(timer)) {
        std::printf("%s: not measured: %s is not built (%s)\n", what, FileName(timer).c_str(), timer.c_str());
        return true;
    }
    std::string output, error;
    bool ok = RunSavePassTimer(timer, output, error);
    size_t from = 0;
    while (from < output.size()) {
        size_t end = output.find('\n', from);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) std::printf("%s\n", line.c_str());
        from = end + 1;
    }
    if (!ok) std::printf("%s: not measured: %s\n", what, error.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<BenchOptions> options = ParseOptions(argc, argv);
    if (!options) return 2;

    // A fresh Wine server starts its desktop process for the first program
    // that asks for the desktop; asking here keeps it from being counted as a
    // measured program's child that outlived it (and its start time as theirs).
    ::GetDesktopWindow();

    Series bare{"floor", options->floor};
    Series measured{"measured", options->program};
    Series same{"floor2", options->sameTemplates};
    const bool haveSame = !same.program.empty() && FileExists(same.program);
    if (!same.program.empty() && !haveSame)
        std::printf("floor2 %s: not found (%s); measuring against the empty floor only\n",
                    FileName(same.program).c_str(), same.program.c_str());
    if (!FileExists(bare.program)) {
        std::printf("floor %s: not found (%s); build the win64 preset first\n", FileName(bare.program).c_str(),
                    bare.program.c_str());
        return 1;
    }
    bool haveMeasured = !measured.program.empty() && FileExists(measured.program);
    if (!measured.program.empty() && !haveMeasured)
        std::printf("measured %s: not built yet (%s); measuring the floor only\n",
                    FileName(measured.program).c_str(), measured.program.c_str());

    std::printf("Start to first page painted and working set then: %d starts each after one not counted;\n"
                "medians (smallest-largest).\n",
                options->runs);
    std::fflush(stdout);

    if (!WarmUp(bare, true)) return 1;
    if (haveSame) WarmUp(same, false);
    if (haveMeasured) WarmUp(measured, false);
    // Alternating spreads any drift of the machine over the programs alike.
    for (int i = 0; i < options->runs; ++i) {
        if (!bare.failed) TimeAndRecord(bare);
        if (haveSame && !same.failed) TimeAndRecord(same);
        if (haveMeasured && !measured.failed) TimeAndRecord(measured);
    }

    std::printf("painted = a visible page, no paint pending in it or its controls, its paint handlers returned\n");
    PrintSeries(bare);
    if (haveSame) PrintSeries(same);
    if (haveMeasured) PrintSeries(measured);
    if (haveMeasured && !bare.failed && !measured.failed) PrintRatios(measured, bare, "measured/floor", kStartGoal);
    if (haveMeasured && haveSame && !same.failed && !measured.failed)
        PrintRatios(measured, same, "measured/floor2", kSameTemplatesGoal);
    std::fflush(stdout);

    bool savePassOk = PrintTimer(options->savePass, "save pass");
    // Only the wizard itself has the page; the floor-against-floor check skips it.
    bool keysOk = true;
    if (haveMeasured && FileName(measured.program) == "Ravlen.exe") {
        const std::optional<double> page = TimeCustomizeKeysPage(measured.program, options->runs);
        const std::optional<double> floorPage =
            haveSame && !same.failed ? TimeCustomizeKeysPage(same.program, options->runs) : std::nullopt;
        keysOk = page.has_value();
        if (page && floorPage && *floorPage > 0)
            std::printf("customize keys page: %.2f times the same templates' page switch (information)\n",
                        *page / *floorPage);
    }
    bool treeOk = PrintTimer(OwnFolder() + "shell_tree_bench.exe", "shell tree");
    bool ok = !bare.failed && !(haveMeasured && measured.failed) && savePassOk && keysOk && treeOk;
    return ok ? 0 : 1;
}
