// Runs the bare Qt program and the program's start-up benchmark alternately, each as a fresh
// process, and prints the medians of their wall time, CPU time (user + system) and peak resident
// memory, with the program-to-bare ratios. Each child is timed from fork to reaping; its CPU and
// peak memory come from wait4. One unrecorded run of each warms the file cache first.
//
//   kz_bench_runner [--runs N] [--cwd DIR] [--log FILE] [--title TEXT] BARE PROGRAM
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
#include <string>
#include <vector>

namespace
{

struct Run {
    double wallMs = 0, cpuMs = 0, rssMiB = 0;
    bool ok = false;
};

struct Options {
    int runs = 21;
    std::string cwd = ".";
    std::string log = "/dev/null";
    std::string title;
    std::string bare, program;
};

double ms(const timeval &t)
{
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

Run launch(const Options &o, const std::string &exe)
{
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid < 0) {
        perror("fork");
        return {};
    }
    if (pid == 0) {
        if (chdir(o.cwd.c_str()) != 0)
            _exit(126);
        const int out = open("/dev/null", O_WRONLY);
        const int err = open(o.log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
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
    r.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
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
    double wall, wallMin, wallMax, cpu, rss;
};

Summary summarize(const std::vector<Run> &runs)
{
    std::vector<double> wall, cpu, rss;
    for (const Run &r : runs) {
        wall.push_back(r.wallMs);
        cpu.push_back(r.cpuMs);
        rss.push_back(r.rssMiB);
    }
    return {median(wall), *std::min_element(wall.begin(), wall.end()),
            *std::max_element(wall.begin(), wall.end()), median(cpu), median(rss)};
}

void usage()
{
    std::fprintf(stderr, "usage: kz_bench_runner [--runs N] [--cwd DIR] [--log FILE] "
                         "[--title TEXT] BARE PROGRAM\n");
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
    if (positional.size() != 2)
        usage();
    // The children start in --cwd: name them by absolute path.
    for (std::string *exe : {&o.bare, &o.program}) {
        const std::string &given = exe == &o.bare ? positional[0] : positional[1];
        char *full = realpath(given.c_str(), nullptr);
        if (!full) {
            perror(given.c_str());
            return 2;
        }
        *exe = full;
        std::free(full);
    }

    if (!launch(o, o.bare).ok || !launch(o, o.program).ok)
        return 1;
    std::vector<Run> bare, program;
    for (int i = 0; i < o.runs; ++i) {
        // Alternate which goes first, so that any drift of the machine hits both alike.
        const bool bareFirst = i % 2 == 0;
        const Run first = launch(o, bareFirst ? o.bare : o.program);
        const Run second = launch(o, bareFirst ? o.program : o.bare);
        if (!first.ok || !second.ok)
            return 1;
        (bareFirst ? bare : program).push_back(first);
        (bareFirst ? program : bare).push_back(second);
    }

    const Summary b = summarize(bare), p = summarize(program);
    std::printf("%s (%d runs each, interleaved, medians)\n", o.title.c_str(), o.runs);
    std::printf("  %-22s %10s %10s %10s %12s\n", "", "wall ms", "min..max", "CPU ms",
                "peak RSS MiB");
    const auto row = [](const char *name, const Summary &s) {
        char range[32];
        std::snprintf(range, sizeof range, "%.1f..%.1f", s.wallMin, s.wallMax);
        std::printf("  %-22s %10.1f %10s %10.1f %12.1f\n", name, s.wall, range, s.cpu, s.rss);
    };
    row("bare Qt window", b);
    row("KZ Pont, exercise 1", p);
    const auto ratio = [](const char *name, double r) {
        std::printf("  ratio %-16s %10.2f   target <= 1.25: %s\n", name, r,
                    r <= 1.25 ? "met" : "MISSED");
    };
    ratio("wall time", p.wall / b.wall);
    ratio("CPU time", p.cpu / b.cpu);
    ratio("peak memory", p.rss / b.rss);
    return 0;
}
