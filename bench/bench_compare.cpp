// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
// Runs programs in turn, each the same number of times, and compares them:
// the wall time from launching a program to the first line it writes, and
// the peak resident size that line gives. Runs interleave, and which program
// goes first rotates, so that the noise of a busy machine falls on all alike.
//
//   bench_compare RUNS PROGRAM...
//
// Each program writes one line "<word> <peak kB>" and ends. Prints a line per
// program, in the order given:
//   <n> <median ms> <fastest ms> <slowest ms> <median kB> <ms ratio> <kB ratio>
// the ratios being of its medians to the first program's.

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Run {
    double ms;
    long kb;
};

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

std::optional<Run> runOnce(const char *program)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    char *argv[] = {const_cast<char *>(program), nullptr};

    const double start = now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "bench_compare: cannot start %s: %s\n", program,
                     std::strerror(spawned));
        close(fds[0]);
        return std::nullopt;
    }

    std::string line;
    double end = 0;
    bool timedOut = false;
    const double deadline = start + 60'000;
    while (line.find('\n') == std::string::npos) {
        pollfd p{fds[0], POLLIN, 0};
        const int remaining = static_cast<int>(deadline - now());
        if (remaining <= 0 || poll(&p, 1, remaining) == 0) {
            timedOut = true;
            break;
        }
        char buffer[256];
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        line.append(buffer, static_cast<std::size_t>(got));
        end = now();
    }
    if (timedOut)
        kill(pid, SIGKILL);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    if (timedOut || line.find('\n') == std::string::npos) {
        std::fprintf(stderr, "bench_compare: %s %s\n", program,
                     timedOut ? "wrote nothing within a minute" : "ended without its line");
        return std::nullopt;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_compare: %s failed (status %d)\n", program, status);
        return std::nullopt;
    }
    char word[64] = {};
    long kb = -1;
    if (std::sscanf(line.c_str(), "%63s %ld", word, &kb) != 2 || kb <= 0) {
        std::fprintf(stderr, "bench_compare: %s wrote an unreadable line: %s", program,
                     line.c_str());
        return std::nullopt;
    }
    return Run{end - start, kb};
}

template <class T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: bench_compare RUNS PROGRAM PROGRAM...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<const char *> programs(argv + 2, argv + argc);
    const std::size_t count = programs.size();

    // One unmeasured run of each first: the page cache and the font caches
    // warm for all.
    for (const char *program : programs) {
        if (!runOnce(program))
            return 1;
    }
    std::vector<std::vector<double>> ms(count);
    std::vector<std::vector<long>> kb(count);
    for (int run = 0; run < runs; ++run) {
        for (std::size_t turn = 0; turn < count; ++turn) {
            const std::size_t which = (static_cast<std::size_t>(run) + turn) % count;
            const std::optional<Run> result = runOnce(programs[which]);
            if (!result)
                return 1;
            ms[which].push_back(result->ms);
            kb[which].push_back(result->kb);
        }
    }

    const double firstMs = median(ms[0]);
    const long firstKb = median(kb[0]);
    for (std::size_t i = 0; i < count; ++i) {
        const double m = median(ms[i]);
        const long k = median(kb[i]);
        std::printf("%zu %.1f %.1f %.1f %ld %.2f %.2f\n", i + 1, m,
                    *std::min_element(ms[i].begin(), ms[i].end()),
                    *std::max_element(ms[i].begin(), ms[i].end()), k, m / firstMs,
                    static_cast<double>(k) / static_cast<double>(firstKb));
    }
    return 0;
}
