#include "receiver/ReceiverLink.h"

#include "core/text/TextCodec.h"
#include "core/tuning/ReceiverText.h"
#include "receiver/Hamlib.h"
#include "receiver/LinkFailure.h"
#include "receiver/RigThread.h"

#include <clocale>
#include <cmath>

namespace kavrin {

namespace {

// hamlib's wait for one reply, and no second try: rig_open makes several exchanges, and all of
// them must fit into kReceiverAnswerLimit for a silent receiver to be reported by hamlib itself.
// A reply lost on TCP is not coming back anyway.
constexpr const char* kReplyTimeoutMs = "1000";
constexpr const char* kRetries = "0";

constexpr const char* kNotOpen = "the receiver is not connected";

std::chrono::milliseconds timeLeft(std::chrono::steady_clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return std::max(left, std::chrono::milliseconds(0));
}

std::string frequencySubject(double mhz)
{
    return "the frequency " + utf16ToUtf8(receiverFrequencyText(mhz));
}

std::string modeSubject(ReceiverMode mode)
{
    return "the mode " + std::string(receiverModeName(mode));
}

Result<> setConf(RIG* rig, const char* name, const std::string& value)
{
    const int code = rig_set_conf(rig, rig_token_lookup(rig, name), value.c_str());
    return code == RIG_OK ? Result<>::success()
                          : Result<>::failure("hamlib does not take '" + value + "' as " + name);
}

// The receiver's description for the reasons, from the model's capabilities: no exchange with it.
std::optional<ReceiverPlace> describe(const ReceiverSettings& settings)
{
    prepareHamlib();
    std::lock_guard lock(hamlibListMutex());
    const rig_caps* caps = rig_get_caps(static_cast<rig_model_t>(settings.model));
    if (!caps)
        return std::nullopt;
    ReceiverPlace place;
    place.address = settings.address;
    place.network = caps->port_type == RIG_PORT_NETWORK || caps->port_type == RIG_PORT_UDP_NETWORK;
    if (settings.address.empty())
        place.where = "the receiver";
    else
        place.where = (place.network ? "the receiver at " : "the receiver on ") + settings.address;
    return place;
}

Result<> openRig(RIG*& rig, const ReceiverSettings& settings, const ReceiverPlace& place,
                 std::chrono::steady_clock::time_point deadline)
{
    rig = newRig(settings.model);
    if (!rig)
        return Result<>::failure("hamlib cannot set up model " + std::to_string(settings.model));
    Result<> configured = Result<>::success();
    if (!settings.address.empty())
        configured = setConf(rig, "rig_pathname", settings.address);
    if (configured)
        configured = setConf(rig, "timeout", kReplyTimeoutMs);
    if (configured)
        configured = setConf(rig, "retry", kRetries);
    if (configured) {
        // rig_open keeps the name of the numeric locale, switches it to "C" and back to that
        // name; the switch frees the name it kept unless it is "C" already, and a program whose
        // locale came from the environment (every Qt program) would read freed memory. Kavrin
        // writes and reads its numbers without the C locale.
        std::setlocale(LC_NUMERIC, "C");
        const int code = rig_open(rig);
        if (code == RIG_OK) {
            // Every read must ask the receiver: a cached frequency would hide a turn of its knob.
            rig_set_cache_timeout_ms(rig, HAMLIB_CACHE_ALL, 0);
            return Result<>::success();
        }
        configured = Result<>::failure(openFailure(code, place, timeLeft(deadline)));
    }
    releaseRig(rig);
    rig = nullptr;
    return configured;
}

// The result of a hamlib call that sets or reads `subject`.
Result<> outcome(int code, const ReceiverPlace& place, const std::string& subject, bool& lost)
{
    if (code == RIG_OK)
        return Result<>::success();
    lost = losesConnection(code);
    return Result<>::failure(callFailure(code, place, subject));
}

Result<> applyMode(RIG* rig, ReceiverMode mode, const ReceiverPlace& place, bool& lost)
{
    const rmode_t hamlib = hamlibMode(mode);
    return outcome(rig_set_mode(rig, RIG_VFO_CURR, hamlib, rig_passband_normal(rig, hamlib)), place,
                   modeSubject(mode), lost);
}

Result<> applyFrequency(RIG* rig, double mhz, const ReceiverPlace& place, bool& lost)
{
    const auto hz = static_cast<freq_t>(std::llround(mhz * 1e6));
    return outcome(rig_set_freq(rig, RIG_VFO_CURR, hz), place, frequencySubject(mhz), lost);
}

std::string silenceReason(const std::shared_ptr<const ReceiverPlace>& place)
{
    return (place ? place->where : std::string("the receiver")) + " did not answer within " +
           std::to_string(kReceiverAnswerLimit.count()) + " seconds";
}

} // namespace

ReceiverLink::ReceiverLink() = default;

ReceiverLink::~ReceiverLink()
{
    close();
}

// Every call has one deadline for its wait for the link (another call may hold it) and for its
// job. A job runs on the rig's thread and sees only what it captured by value, so a job given up
// leaves nothing of the link or of its caller behind it. A job sets `lost` when the connection is
// unusable after it; the link then closes.
template <typename Job> Result<> ReceiverLink::call(Job job)
{
    const auto deadline = Clock::now() + kReceiverAnswerLimit;
    std::unique_lock lock(m_mutex, deadline);
    if (!lock.owns_lock())
        return Result<>::failure(silenceReason(m_place));
    if (!m_thread)
        return Result<>::failure(kNotOpen);
    return runLocked(
        [job = std::move(job)](RIG*& rig, bool& lost) {
            return rig ? job(rig, lost) : Result<>::failure(kNotOpen);
        },
        deadline);
}

template <typename Job> Result<> ReceiverLink::runLocked(Job job, Clock::time_point deadline)
{
    auto lost = std::make_shared<bool>(false);
    const std::optional<Result<>> result = m_thread->run(
        [job = std::move(job), lost](RIG*& rig) { return job(rig, *lost); }, deadline);
    if (!result) {
        m_thread.reset(); // given up: returns at once
        m_open = false;
        return Result<>::failure(silenceReason(m_place));
    }
    if (*lost)
        closeLocked(deadline);
    return *result;
}

void ReceiverLink::closeLocked(Clock::time_point deadline)
{
    if (m_thread)
        m_thread->finish(deadline);
    m_thread.reset();
    m_open = false;
}

Result<> ReceiverLink::open(const ReceiverSettings& settings)
{
    const auto deadline = Clock::now() + kReceiverAnswerLimit;
    std::unique_lock lock(m_mutex, deadline);
    if (!lock.owns_lock())
        return Result<>::failure(silenceReason(m_place));
    closeLocked(deadline);
    const std::optional<ReceiverPlace> place = describe(settings);
    if (!place)
        return Result<>::failure("hamlib has no radio model " + std::to_string(settings.model));
    m_place = std::make_shared<const ReceiverPlace>(*place);
    m_thread = std::make_unique<RigThread>();
    const Result<> opened =
        runLocked([settings, place = m_place,
                   deadline](RIG*& rig, bool&) { return openRig(rig, settings, *place, deadline); },
                  deadline);
    if (!opened)
        closeLocked(deadline);
    m_open = opened.ok();
    return opened;
}

void ReceiverLink::close()
{
    const auto deadline = Clock::now() + kReceiverAnswerLimit;
    std::unique_lock lock(m_mutex, deadline);
    if (lock.owns_lock())
        closeLocked(deadline);
}

bool ReceiverLink::isOpen() const
{
    return m_open;
}

Result<> ReceiverLink::setFrequency(double mhz)
{
    return call([mhz, place = m_place](RIG* rig, bool& lost) {
        return applyFrequency(rig, mhz, *place, lost);
    });
}

Result<> ReceiverLink::readFrequency(double& mhz)
{
    auto hz = std::make_shared<freq_t>(0);
    const Result<> read = call([hz, place = m_place](RIG* rig, bool& lost) {
        return outcome(rig_get_freq(rig, RIG_VFO_CURR, hz.get()), *place, "the frequency", lost);
    });
    if (read)
        mhz = *hz / 1e6;
    return read;
}

Result<> ReceiverLink::setMode(ReceiverMode mode)
{
    return call([mode, place = m_place](RIG* rig, bool& lost) {
        return applyMode(rig, mode, *place, lost);
    });
}

Result<> ReceiverLink::tune(double mhz, std::optional<ReceiverMode> mode)
{
    return call([mhz, mode, place = m_place](RIG* rig, bool& lost) {
        if (mode) {
            if (Result<> set = applyMode(rig, *mode, *place, lost); !set)
                return set;
        }
        return applyFrequency(rig, mhz, *place, lost);
    });
}

} // namespace kavrin
