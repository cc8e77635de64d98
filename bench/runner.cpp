// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the bare Qt program and the program's start-up benchmark alternately, each as a fresh
// process, and prints the medians of their wall time, CPU time (user + system) and peak resident
// memory, with the program-to-bare ratios. Each child is timed from fork to reaping; its CPU and
// peak memory come from wait4. One unrecorded run of each warms the file cache first.
// With --phases N, N more runs of each report when each phase of their start-up ended and, for
// the last run, their resident memory by mapping (see probe.h); the runner prints the medians
// side by side and the mappings that differ most. A third program, when given, is measured the
// same way as a further reference, outside the targets.
//
//   kz_bench_runner [--runs N] [--phases N] [--cwd DIR] [--log FILE] [--title TEXT]
//                   BARE PROGRAM [REFERENCE]
#include <fcntl.h>
#include <limits.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace
{

struct Run {
    double wallMs = 0, userMs = 0, sysMs = 0, cpuMs = 0, rssMiB = 0;
    bool ok = false;
};

struct Options {
    int runs = 21;
    int phaseRuns = 0;
    std::string cwd = ".";
    std::string log = "/dev/null";
    std::string title;
};

// A program under test: the bare window first, then KZ Pont, then an optional reference.
struct Program {
    std::string label, exe;
    std::vector<Run> runs;
};

double ms(const timeval &t)
{
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

// Runs `exe` once; with `report`, asks it for its phases, written with its errors to `report`.
Run launch(const Options &o, const std::string &exe, const char *report = nullptr)
{
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const std::string t0 = std::to_string(start.tv_sec * 1000000000LL + start.tv_nsec);
    const pid_t pid = fork();
    if (pid < 0) {
        perror("fork");
        return {};
    }
    if (pid == 0) {
        if (chdir(o.cwd.c_str()) != 0)
            _exit(126);
        const int out = open("/dev/null", O_WRONLY);
        const int err = report ? open(report, O_WRONLY | O_CREAT | O_TRUNC, 0644)
                               : open(o.log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (report) {
            setenv("KZ_BENCH_PHASES", "1", 1);
            setenv("KZ_BENCH_T0", t0.c_str(), 1);
        }
        if (out >= 0)
            dup2(out, STDOUT_FILENO);
        if (err >= 0)
            dup2(err, STDERR_FILENO);
        alarm(60); // survives exec: a child that never ends is killed
        char *argv[] = {const_cast<char *>(exe.c_str()), nullptr};
        execv(exe.c_str(), argv);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0) {
        perror("wait4");
        return {};
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    Run r;
    r.wallMs = (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
    r.userMs = ms(usage.ru_utime);
    r.sysMs = ms(usage.ru_stime);
    r.cpuMs = r.userMs + r.sysMs;
    r.rssMiB = usage.ru_maxrss / 1024.0; // kilobytes on Linux
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!r.ok)
        std::fprintf(stderr, "%s ended with %s %d (see %s)\n", exe.c_str(),
                     WIFEXITED(status) ? "status" : "signal",
                     WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status), o.log.c_str());
    return r;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Summary {
    double wall, wallMin, wallMax, user, sys, cpu, rss;
};

Summary summarize(const std::vector<Run> &runs)
{
    std::vector<double> wall, user, sys, cpu, rss;
    for (const Run &r : runs) {
        wall.push_back(r.wallMs);
        user.push_back(r.userMs);
        sys.push_back(r.sysMs);
        cpu.push_back(r.cpuMs);
        rss.push_back(r.rssMiB);
    }
    return {median(wall),
            *std::min_element(wall.begin(), wall.end()),
            *std::max_element(wall.begin(), wall.end()),
            median(user),
            median(sys),
            median(cpu),
            median(rss)};
}

// What the runs of one program reported: phase name -> times, in order of first report; and
// the memory by mapping of the last run.
struct Report {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> phases;
    std::map<std::string, double> memoryKiB;
};

void readReport(const char *path, double reapedMs, Report &report)
{
    std::FILE *f = std::fopen(path, "r");
    if (!f)
        return;
    report.memoryKiB.clear();
    char line[512];
    const auto add = [&report](const std::string &name, double value) {
        if (!report.phases.count(name))
            report.order.push_back(name);
        report.phases[name].push_back(value);
    };
    while (std::fgets(line, sizeof line, f)) {
        char name[256];
        double value;
        if (std::sscanf(line, "kz-bench-phase %255[^0-9] %lf", name, &value) == 2) {
            std::string n = name;
            n.erase(n.find_last_not_of(' ') + 1);
            add(n, value);
        } else if (std::sscanf(line, "kz-bench-memory %255s %lf", name, &value) == 2) {
            report.memoryKiB[name] += value;
        }
    }
    std::fclose(f);
    add("process ended", reapedMs);
}

void printPhases(const Options &o, const std::vector<Program> &programs)
{
    const std::string path = o.cwd + "/kz-bench-phases.txt";
    std::vector<Report> reports(programs.size());
    for (int i = 0; i < o.phaseRuns; ++i)
        for (size_t k = 0; k < programs.size(); ++k) {
            const Run r = launch(o, programs[k].exe, path.c_str());
            if (r.ok)
                readReport(path.c_str(), r.wallMs, reports[k]);
        }
    std::remove(path.c_str());
    std::printf("  Phases, ms since the fork (median of %d runs each):\n  %-26s", o.phaseRuns,
                "end of");
    for (const Program &p : programs)
        std::printf(" %20s", p.label.c_str());
    std::printf("\n");
    for (const std::string &name : reports[1].order) {
        std::printf("  %-26s", name.c_str());
        for (Report &r : reports)
            std::printf(" %20.1f", r.phases.count(name) ? median(r.phases[name]) : 0.0);
        std::printf("\n");
    }
    // Memory: the program against the bare window, mapping by mapping.
    std::map<std::string, double> &bare = reports[0].memoryKiB, &program = reports[1].memoryKiB;
    std::vector<std::pair<double, std::string>> diffs;
    double bareTotal = 0, programTotal = 0;
    for (const auto &[name, kib] : program) {
        diffs.push_back({kib - (bare.count(name) ? bare[name] : 0), name});
        programTotal += kib;
    }
    for (const auto &[name, kib] : bare) {
        bareTotal += kib;
        if (!program.count(name))
            diffs.push_back({-kib, name});
    }
    std::sort(diffs.rbegin(), diffs.rend());
    std::printf("  Resident memory once painted, KiB: bare %.0f, KZ Pont %.0f; largest "
                "differences:\n",
                bareTotal, programTotal);
    for (size_t i = 0; i < diffs.size() && i < 10; ++i)
        std::printf("  %-34s %+8.0f  (%.0f -> %.0f)\n", diffs[i].second.c_str(), diffs[i].first,
                    bare[diffs[i].second], program[diffs[i].second]);
}

void usage()
{
    std::fprintf(stderr, "usage: kz_bench_runner [--runs N] [--phases N] [--cwd DIR] "
                         "[--log FILE] [--title TEXT] BARE PROGRAM [REFERENCE]\n");
    std::exit(2);
}

} // namespace

int main(int argc, char *argv[])
{
    Options o;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--runs" && hasValue)
            o.runs = std::max(1, std::atoi(argv[++i]));
        else if (a == "--phases" && hasValue)
            o.phaseRuns = std::max(0, std::atoi(argv[++i]));
        else if (a == "--cwd" && hasValue)
            o.cwd = argv[++i];
        else if (a == "--log" && hasValue)
            o.log = argv[++i];
        else if (a == "--title" && hasValue)
            o.title = argv[++i];
        else if (a.rfind("--", 0) == 0)
            usage();
        else
            positional.push_back(a);
    }
    if (positional.size() < 2 || positional.size() > 3)
        usage();
    const char *labels[3] = {"bare Qt window", "KZ Pont, exercise 1", "bare window + label"};
    std::vector<Program> programs;
    for (size_t k = 0; k < positional.size(); ++k) {
        // The children start in --cwd: name them by absolute path.
        char *full = realpath(positional[k].c_str(), nullptr);
        if (!full) {
            perror(positional[k].c_str());
            return 2;
        }
        programs.push_back({labels[k], full, {}});
        std::free(full);
    }

    for (const Program &p : programs)
        if (!launch(o, p.exe).ok)
            return 1;
    const size_t n = programs.size();
    for (int i = 0; i < o.runs; ++i) {
        // Rotate which goes first, so that any drift of the machine hits all alike.
        for (size_t k = 0; k < n; ++k) {
            Program &p = programs[(i + k) % n];
            const Run r = launch(o, p.exe);
            if (!r.ok)
                return 1;
            p.runs.push_back(r);
        }
    }

    std::printf("%s (%d runs each, interleaved, medians)\n", o.title.c_str(), o.runs);
    std::printf("  %-20s %8s %13s %8s %8s %8s %13s\n", "", "wall ms", "min..max", "CPU ms", "user",
                "sys", "peak RSS MiB");
    std::vector<Summary> s;
    for (const Program &p : programs) {
        s.push_back(summarize(p.runs));
        char range[32];
        std::snprintf(range, sizeof range, "%.1f..%.1f", s.back().wallMin, s.back().wallMax);
        std::printf("  %-20s %8.1f %13s %8.1f %8.1f %8.1f %13.1f\n", p.label.c_str(), s.back().wall,
                    range, s.back().cpu, s.back().user, s.back().sys, s.back().rss);
    }
    const auto ratio = [](const char *name, double r) {
        std::printf("  ratio %-14s %8.2f   target <= 1.25: %s\n", name, r,
                    r <= 1.25 ? "met" : "MISSED");
    };
    ratio("wall time", s[1].wall / s[0].wall);
    ratio("CPU time", s[1].cpu / s[0].cpu);
    ratio("peak memory", s[1].rss / s[0].rss);
    if (n > 2)
        std::printf("  (the bare window with one label: %.2f wall, %.2f CPU, %.2f memory; KZ Pont "
                    "against it: %.2f, %.2f, %.2f)\n",
                    s[2].wall / s[0].wall, s[2].cpu / s[0].cpu, s[2].rss / s[0].rss,
                    s[1].wall / s[2].wall, s[1].cpu / s[2].cpu, s[1].rss / s[2].rss);
    if (o.phaseRuns > 0)
        printPhases(o, programs);
    return 0;
}
