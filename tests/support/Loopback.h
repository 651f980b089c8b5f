#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cstdint>

namespace kavrin {

// The address of TCP port `port` on this machine's loopback; port 0 lets bind() choose one.
inline sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace kavrin
