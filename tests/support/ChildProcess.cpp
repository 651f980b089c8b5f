#include "tests/support/ChildProcess.h"

#include <csignal>
#include <cstring>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kavrin {

namespace {

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

ChildOutcome runInChild(const std::function<std::string()>& body, std::chrono::seconds limit)
{
    ChildOutcome outcome;
    int channel[2];
    if (pipe(channel) != 0)
        return outcome;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        close(channel[0]);
        close(channel[1]);
        return outcome;
    }
    if (child == 0) {
        close(channel[0]);
        const long before = peakRssKb();
        const std::string output = body();
        const long growth = peakRssKb() - before;
        const bool sent =
            writeAll(channel[1], reinterpret_cast<const char*>(&growth), sizeof growth) &&
            writeAll(channel[1], output.data(), output.size());
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);

    const auto deadline = start + limit;
    std::string received;
    bool ended = false;
    while (!ended) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{channel[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) != 1)
            break;
        char buffer[4096];
        const ssize_t n = read(channel[0], buffer, sizeof buffer);
        if (n > 0)
            received.append(buffer, static_cast<std::size_t>(n));
        ended = n <= 0;
    }
    close(channel[0]);
    outcome.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!ended)
        kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (ended && WIFEXITED(status) && WEXITSTATUS(status) == 0 && received.size() >= sizeof(long)) {
        outcome.answered = true;
        std::memcpy(&outcome.peakGrowthKb, received.data(), sizeof(long));
        outcome.output = received.substr(sizeof(long));
    }
    return outcome;
}

} // namespace kavrin
