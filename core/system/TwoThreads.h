#pragma once

#include <cstddef>
#include <exception>
#include <system_error>
#include <thread>

namespace kavrin {

// Work on a large list is split in two halves, one on a second thread: below this many items a
// thread costs more than it saves.
constexpr std::size_t kItemsWorthAThread = 16384;

// Runs `first` on a thread of its own while `second` runs here, and returns when both have ended.
// When the system has a single processor or cannot start a thread, both run here, one after the
// other. An exception from either is rethrown here once both have ended.
template <typename First, typename Second> void runBoth(First&& first, Second&& second)
{
    std::exception_ptr firstFailed;
    std::thread thread;
    if (std::thread::hardware_concurrency() > 1) {
        try {
            thread = std::thread([&] {
                try {
                    first();
                } catch (...) {
                    firstFailed = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
        }
    }
    if (!thread.joinable()) {
        first();
        second();
        return;
    }
    std::exception_ptr secondFailed;
    try {
        second();
    } catch (...) {
        secondFailed = std::current_exception();
    }
    thread.join();
    if (firstFailed)
        std::rethrow_exception(firstFailed);
    if (secondFailed)
        std::rethrow_exception(secondFailed);
}

} // namespace kavrin
