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
Result<ReceiverPlace> describe(const ReceiverSettings& settings)
{
    prepareHamlib();
    std::lock_guard lock(hamlibListMutex());
    const rig_caps* caps = rig_get_caps(static_cast<rig_model_t>(settings.model));
    if (!caps)
        return Failure{"hamlib has no radio model " + std::to_string(settings.model)};
    ReceiverPlace place;
    place.address = settings.address;
    place.network = caps->port_type == RIG_PORT_NETWORK || caps->port_type == RIG_PORT_UDP_NETWORK;
    if (settings.address.empty())
        place.where = "the receiver";
    else
        place.where = (place.network ? "the receiver at " : "the receiver on ") + settings.address;
    return place;
}

// The rig of `settings`, opened.
Result<RIG*> openRig(const ReceiverSettings& settings, const ReceiverPlace& place,
                     std::chrono::steady_clock::time_point deadline)
{
    const Result<RIG*> made = newRig(settings.model);
    if (!made)
        return made;
    RIG* rig = *made;
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
            return rig;
        }
        configured = Failure{openFailure(code, place, timeLeft(deadline))};
    }
    releaseRig(rig);
    return configured.error();
}

// The result of a hamlib call that sets or reads `subject`.
Result<> outcome(int code, const ReceiverPlace& place, const std::string& subject)
{
    if (code == RIG_OK)
        return Result<>::success();
    return callFailure(code, place, subject);
}

Result<> applyMode(RIG* rig, ReceiverMode mode, const ReceiverPlace& place)
{
    const rmode_t hamlib = hamlibMode(mode);
    return outcome(rig_set_mode(rig, RIG_VFO_CURR, hamlib, rig_passband_normal(rig, hamlib)), place,
                   modeSubject(mode));
}

Result<> applyFrequency(RIG* rig, double mhz, const ReceiverPlace& place)
{
    const auto hz = static_cast<freq_t>(std::llround(mhz * 1e6));
    return outcome(rig_set_freq(rig, RIG_VFO_CURR, hz), place, frequencySubject(mhz));
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
// leaves nothing of the link or of its caller behind it. A job that fails with
// Kind::ConnectionLost, or does not end in time, leaves the connection unusable: the link closes.
template <typename Job> Result<> ReceiverLink::call(Job job)
{
    const auto deadline = Clock::now() + kReceiverAnswerLimit;
    std::unique_lock lock(m_mutex, deadline);
    if (!lock.owns_lock())
        return Result<>::failure(silenceReason(m_place));
    if (!m_thread)
        return Result<>::failure(kNotOpen);
    return runLocked(
        [job = std::move(job)](RIG*& rig) { return rig ? job(rig) : Result<>::failure(kNotOpen); },
        deadline);
}

template <typename Job> Result<> ReceiverLink::runLocked(Job job, Clock::time_point deadline)
{
    Result<> result = m_thread->run(std::move(job), deadline);
    // A thread given up has been let go already: its finish returns at once.
    if (result.kind() == ResultKind::ConnectionLost)
        closeLocked(deadline);
    return result;
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
    const Result<ReceiverPlace> place = describe(settings);
    if (!place)
        return place.error();
    m_place = std::make_shared<const ReceiverPlace>(*place);
    m_thread = std::make_unique<RigThread>(silenceReason(m_place));
    const Result<> opened = runLocked(
        [settings, place = m_place, deadline](RIG*& rig) {
            const Result<RIG*> openedRig = openRig(settings, *place, deadline);
            if (!openedRig)
                return Result<>(openedRig.error());
            rig = *openedRig;
            return Result<>::success();
        },
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
    return call([mhz, place = m_place](RIG* rig) { return applyFrequency(rig, mhz, *place); });
}

Result<double> ReceiverLink::readFrequency()
{
    // The job may outlive this call (given up), so it writes where it owns a share.
    auto hz = std::make_shared<freq_t>(0);
    const Result<> read = call([hz, place = m_place](RIG* rig) {
        return outcome(rig_get_freq(rig, RIG_VFO_CURR, hz.get()), *place, "the frequency");
    });
    if (!read)
        return read.error();
    return *hz / 1e6;
}

Result<> ReceiverLink::setMode(ReceiverMode mode)
{
    return call([mode, place = m_place](RIG* rig) { return applyMode(rig, mode, *place); });
}

Result<> ReceiverLink::tune(double mhz, std::optional<ReceiverMode> mode)
{
    return call([mhz, mode, place = m_place](RIG* rig) {
        if (mode) {
            if (Result<> set = applyMode(rig, *mode, *place); !set)
                return set;
        }
        return applyFrequency(rig, mhz, *place);
    });
}

} // namespace kavrin
