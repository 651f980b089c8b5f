#pragma once

#include <string>
#include <sys/types.h>

namespace kavrin {

// A TCP port of 127.0.0.1 that nothing listened on when it was chosen.
int freeLoopbackPort();

// A real rigctld serving hamlib's dummy radio (model 1) on a free loopback port. The constructor
// starts it and waits until it answers (running() tells whether it did); stop() and the
// destructor end it by its process id and wait for it. Should the test process die first, the
// kernel ends rigctld with it, so no test leaves one behind.
class DummyRigctld {
public:
    DummyRigctld();
    ~DummyRigctld();
    DummyRigctld(const DummyRigctld&) = delete;
    DummyRigctld& operator=(const DummyRigctld&) = delete;

    bool running() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    std::string address() const; // "127.0.0.1:PORT"

    // Asks the radio through hamlib's own client, `rigctl -m 2 -r ADDRESS COMMAND`, and returns
    // what it printed ("9910000\n" for "f", "USB\n2400\n" for "m").
    std::string ask(const std::string& command) const;

    void stop();

    // Stops it and starts it again on the same port, with the dummy radio as it starts; false
    // when it did not come up.
    bool restart();

private:
    int m_port = 0;
    pid_t m_pid = -1;
};

} // namespace kavrin
