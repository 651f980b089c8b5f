#include "tests/support/FakeReceiver.h"

#include "tests/support/Loopback.h"

#include <algorithm>
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kavrin {

namespace {

void sendText(int fd, const std::string& text)
{
    (void)!send(fd, text.data(), text.size(), MSG_NOSIGNAL);
}

} // namespace

FakeReceiver::FakeReceiver(Behaviour behaviour) : m_behaviour(behaviour)
{
    m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t size = sizeof address;
    bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size);
    m_port = ntohs(address.sin_port);
    (void)!pipe2(m_wake, O_CLOEXEC);
    if (behaviour == Behaviour::Unreachable) {
        // A backlog that is full and never accepted from: the kernel drops further connection
        // requests, so a client's connect waits for an answer that never comes.
        listen(m_listener, 0);
        for (int i = 0; i < 2; ++i) {
            const int filler = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            connect(filler, reinterpret_cast<const sockaddr*>(&address), sizeof address);
            m_queueFillers.push_back(filler);
        }
        return;
    }
    listen(m_listener, 8);
    m_thread = std::thread([this] { serve(); });
}

FakeReceiver::~FakeReceiver()
{
    (void)!write(m_wake[1], "x", 1);
    if (m_thread.joinable())
        m_thread.join();
    for (int fd : m_connections)
        close(fd);
    for (int fd : m_queueFillers)
        close(fd);
    close(m_listener);
    close(m_wake[0]);
    close(m_wake[1]);
}

std::string FakeReceiver::address() const
{
    return "127.0.0.1:" + std::to_string(m_port);
}

void FakeReceiver::serve()
{
    for (;;) {
        std::vector<pollfd> waiting = {{m_wake[0], POLLIN, 0}, {m_listener, POLLIN, 0}};
        for (int fd : m_connections)
            waiting.push_back({fd, POLLIN, 0});
        if (poll(waiting.data(), waiting.size(), -1) < 0 || waiting[0].revents != 0)
            return;
        if (waiting[1].revents & POLLIN) {
            const int connection = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection >= 0)
                m_connections.push_back(connection);
        }
        for (std::size_t i = 2; i < waiting.size(); ++i) {
            if (waiting[i].revents != 0)
                answer(waiting[i].fd);
        }
    }
}

void FakeReceiver::answer(int connection)
{
    char buffer[512];
    const ssize_t n = recv(connection, buffer, sizeof buffer, 0);
    const bool closed = n <= 0;
    if (!closed && m_behaviour == Behaviour::Garbage) {
        std::string lines;
        for (int i = 0; i < 50; ++i)
            lines += "#@! no reply here\n";
        sendText(connection, lines);
    } else if (!closed && m_behaviour == Behaviour::CloseMidReply) {
        sendText(connection, "CHKV");
    }
    if (closed || m_behaviour == Behaviour::CloseMidReply) {
        close(connection);
        m_connections.erase(std::find(m_connections.begin(), m_connections.end(), connection));
    }
}

} // namespace kavrin
