#pragma once

#include <string>
#include <thread>
#include <vector>

namespace kavrin {

// A receiver server that misbehaves, on a loopback port of its own, for the faults a real
// rigctld does not show. Serves from a thread of its own until it is destroyed, which closes
// every connection.
class FakeReceiver {
public:
    enum class Behaviour {
        Silent,        // accepts connections, reads, never answers
        Garbage,       // answers every command with lines that are no reply at all
        CloseMidReply, // reads a command, sends the first bytes of a reply and closes
        Unreachable,   // never accepts: connecting hangs as with a host that drops packets
    };

    explicit FakeReceiver(Behaviour behaviour);
    ~FakeReceiver();
    FakeReceiver(const FakeReceiver&) = delete;
    FakeReceiver& operator=(const FakeReceiver&) = delete;

    std::string address() const; // "127.0.0.1:PORT"

private:
    void serve();
    void answer(int connection);

    Behaviour m_behaviour;
    int m_listener = -1;
    int m_port = 0;
    int m_wake[2] = {-1, -1};        // written to on destruction
    std::vector<int> m_connections;  // accepted, still open
    std::vector<int> m_queueFillers; // Unreachable: the connections that fill the backlog
    std::thread m_thread;
};

} // namespace kavrin
