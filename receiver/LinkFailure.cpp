#include "receiver/LinkFailure.h"

#include "receiver/Hamlib.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrin {

namespace {

enum class Reach { Connected, Refused, UnknownHost, Silent, Failed };

struct ReachOutcome {
    Reach reach = Reach::Failed;
    int error = 0; // errno, for Failed
};

struct NetworkAddress {
    std::string host;
    std::string port;
};

// "host:port" or "[v6 address]:port" split; without a port, hamlib's network port 4532.
Result<NetworkAddress> splitAddress(const std::string& address)
{
    NetworkAddress split;
    const std::size_t colon = address.rfind(':');
    const bool hasPort = colon != std::string::npos && address.find(':') == colon;
    const bool bracketed = !address.empty() && address.front() == '[';
    if (hasPort || (bracketed && colon != std::string::npos && address[colon - 1] == ']')) {
        split.host = address.substr(0, colon);
        split.port = address.substr(colon + 1);
    } else {
        split.host = address;
        split.port = "4532";
    }
    if (split.host.size() > 2 && split.host.front() == '[' && split.host.back() == ']')
        split.host = split.host.substr(1, split.host.size() - 2);
    if (split.host.empty() || split.port.empty())
        return Failure{"'" + address + "' is not an address of the form HOST:PORT"};
    return split;
}

// One connection attempt to one address, without blocking longer than `limit`.
ReachOutcome connectOnce(const addrinfo& to, std::chrono::milliseconds limit)
{
    const int fd =
        socket(to.ai_family, to.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, to.ai_protocol);
    if (fd < 0)
        return {Reach::Failed, errno};
    int error = 0;
    if (connect(fd, to.ai_addr, to.ai_addrlen) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            pollfd waiting{fd, POLLOUT, 0};
            if (poll(&waiting, 1, static_cast<int>(limit.count())) != 1) {
                close(fd);
                return {Reach::Silent, 0};
            }
            socklen_t size = sizeof error;
            getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
        }
    }
    close(fd);
    if (error == 0)
        return {Reach::Connected, 0};
    return {error == ECONNREFUSED ? Reach::Refused : Reach::Failed, error};
}

// Tries each address the host name stands for, as hamlib does, and keeps the best outcome.
ReachOutcome reach(const NetworkAddress& address, std::chrono::milliseconds limit)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(address.host.c_str(), address.port.c_str(), &hints, &found) != 0 || !found)
        return {Reach::UnknownHost, 0};
    ReachOutcome best;
    for (const addrinfo* a = found; a; a = a->ai_next) {
        const ReachOutcome outcome = connectOnce(*a, limit);
        if (outcome.reach == Reach::Connected || best.reach == Reach::Failed)
            best = outcome;
        if (best.reach == Reach::Connected)
            break;
    }
    freeaddrinfo(found);
    return best;
}

std::string hamlibText(int code)
{
    std::string text = rigerror2(-std::abs(code));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string networkOpenFailure(const ReceiverPlace& place, std::chrono::milliseconds limit)
{
    const Result<NetworkAddress> address = splitAddress(place.address);
    if (!address)
        return address.reason();
    const ReachOutcome outcome = reach(*address, limit);
    switch (outcome.reach) {
    case Reach::Connected:
        return place.where + " closed the connection";
    case Reach::Refused:
        return "nothing is listening at " + place.address +
               ": is rigctld or the receiver program running?";
    case Reach::UnknownHost:
        return "cannot find the computer of " + place.address;
    case Reach::Silent:
        return place.where + " did not answer";
    case Reach::Failed:
        break;
    }
    return "cannot connect to " + place.address + ": " + std::strerror(outcome.error);
}

std::string deviceOpenFailure(const ReceiverPlace& place)
{
    struct stat info {};
    if (stat(place.address.c_str(), &info) != 0)
        return "there is no device " + place.address;
    if (access(place.address.c_str(), R_OK | W_OK) != 0)
        return "no permission to use the device " + place.address;
    return "cannot open the device " + place.address;
}

// Whether a call that failed with `code` leaves the connection unusable.
bool losesConnection(int code)
{
    code = std::abs(code);
    return code == RIG_ETIMEOUT || code == RIG_EIO || code == RIG_EPROTO;
}

} // namespace

std::string openFailure(int code, const ReceiverPlace& place, std::chrono::milliseconds limit)
{
    code = std::abs(code);
    if (code == RIG_ETIMEOUT)
        return place.where + " did not answer";
    if (code == RIG_EPROTO)
        return place.where + " gave an answer that is not a receiver's";
    if (place.network)
        return networkOpenFailure(place, limit);
    if (code == RIG_EIO && !place.address.empty())
        return deviceOpenFailure(place);
    return place.where + " cannot be opened: " + hamlibText(code);
}

Failure callFailure(int code, const ReceiverPlace& place, const std::string& subject)
{
    const ResultKind kind = losesConnection(code) ? ResultKind::ConnectionLost : ResultKind::Failed;
    switch (std::abs(code)) {
    case RIG_ETIMEOUT:
        return {place.where + " did not answer", kind};
    case RIG_EIO:
        return {"the connection to " + place.where + " was lost", kind};
    case RIG_EPROTO:
        return {place.where + " gave an answer that is not a receiver's", kind};
    case RIG_EINVAL:
    case RIG_ERJCTED:
    case RIG_ENAVAIL:
    case RIG_ENIMPL:
        return {place.where + " refused " + subject, kind};
    default:
        return {place.where + " reported an error with " + subject + ": " + hamlibText(code), kind};
    }
}

} // namespace kavrin
