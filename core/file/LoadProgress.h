#pragma once

#include <atomic>
#include <cstddef>
#include <functional>

namespace kavrin {

// Delivers a progress notice: `command` is the notice id the caller chose. The station file
// code sets g_loadProgress first; the function must not return before the user interface has
// handled the notice (a blocking call into the UI thread when called from a worker).
using ProgressNotify = std::function<void(int command)>;

// Progress of the running station file load or save, 0–100. Written only by that operation and
// read by the notified window while it handles a notice.
extern std::atomic<int> g_loadProgress;

// Steps g_loadProgress through N items: step = N / 50; before each item a counter is compared
// with step, and on a match the percentage (i × 100) / N is announced. Fewer than 50 items are all
// announced; 120 items announce every third from item 2. finish() announces 100.
class ProgressStepper {
public:
    ProgressStepper(std::size_t itemCount, const ProgressNotify& notify, int command);

    void beforeItem(std::size_t index);
    void finish();

private:
    void announce(int percent);

    std::size_t m_count;
    std::size_t m_step;
    std::size_t m_counter = 0;
    const ProgressNotify& m_notify;
    int m_command;
};

} // namespace kavrin
