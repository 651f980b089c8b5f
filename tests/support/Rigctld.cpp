#include "tests/support/Rigctld.h"

#include "tests/support/Loopback.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kavrin {

namespace {

constexpr auto kStartLimit = std::chrono::seconds(10);

bool answers(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = loopback(port);
    const bool connected =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

bool exited(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

// Starts rigctld on `port` and waits until it answers; its process id, or -1 when it did not.
pid_t startOn(int port)
{
    const std::string portText = std::to_string(port);
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        execlp("rigctld", "rigctld", "-m", "1", "-T", "127.0.0.1", "-t", portText.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    if (child < 0)
        return -1;
    const auto deadline = std::chrono::steady_clock::now() + kStartLimit;
    bool up = false;
    bool gone = false;
    while (!up && !gone && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        up = answers(port);
        gone = !up && exited(child);
    }
    if (up)
        return child;
    if (!gone) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    return -1;
}

} // namespace

int freeLoopbackPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t size = sizeof address;
    bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    close(fd);
    return ntohs(address.sin_port);
}

DummyRigctld::DummyRigctld()
{
    // Another process may take the free port before rigctld binds it: then try another.
    for (int attempt = 0; attempt < 3 && m_pid < 0; ++attempt) {
        m_port = freeLoopbackPort();
        m_pid = startOn(m_port);
    }
}

bool DummyRigctld::restart()
{
    stop();
    m_pid = startOn(m_port);
    return running();
}

DummyRigctld::~DummyRigctld()
{
    stop();
}

std::string DummyRigctld::address() const
{
    return "127.0.0.1:" + std::to_string(m_port);
}

std::string DummyRigctld::ask(const std::string& command) const
{
    const std::string line = "rigctl -m 2 -r " + address() + " " + command + " 2>/dev/null";
    FILE* pipe = popen(line.c_str(), "r");
    if (!pipe)
        return {};
    std::string output;
    char buffer[256];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

void DummyRigctld::stop()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!exited(m_pid)) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    m_pid = -1;
}

} // namespace kavrin
