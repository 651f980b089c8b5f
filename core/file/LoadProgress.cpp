#include "core/file/LoadProgress.h"

#include <algorithm>

namespace kavrin {

std::atomic<int> g_loadProgress{0};

ProgressStepper::ProgressStepper(std::size_t itemCount, const ProgressNotify& notify, int command)
    : m_count(itemCount), m_step(itemCount / 50), m_notify(notify), m_command(command)
{
    g_loadProgress = 0;
}

void ProgressStepper::beforeItem(std::size_t index)
{
    if (m_counter != m_step) {
        ++m_counter;
        return;
    }
    m_counter = 0;
    // A load steps over a count estimated before the parse; should the file hold more items than
    // estimated, the figure stays below 100 until the end.
    const std::size_t percent =
        m_count == 0 ? 99 : std::min<std::size_t>(99, index * 100 / m_count);
    announce(static_cast<int>(percent));
}

void ProgressStepper::finish()
{
    announce(100);
}

void ProgressStepper::announce(int percent)
{
    g_loadProgress = percent;
    if (m_notify)
        m_notify(m_command);
}

} // namespace kavrin
