#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace kavrin {

// What a function run in a child process came to.
struct ChildOutcome {
    bool answered = false; // the function returned within the time limit and the child exited
    std::string output;    // what the function returned
    long peakGrowthKb = 0; // peak resident memory while it ran, above that before it
    double seconds = 0;    // from the fork until the answer, or until the child was given up
};

// Runs `body` in a forked child process, so that a hang can be cut off (the child is killed when
// `limit` has passed), a crash does not take the test with it, and the memory `body` needs can be
// measured apart from the test's own. gtest assertions made in the child are lost: report
// problems through the returned text instead.
ChildOutcome runInChild(const std::function<std::string()>& body, std::chrono::seconds limit);

} // namespace kavrin
