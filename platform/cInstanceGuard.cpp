// cInstanceGuard over an abstract Unix socket named after the program, the user and the user's data folder.
#include "platform/cInstanceGuard.h"

#include "platform/OSPaths.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
socklen_t MakeAddress(const std::string& name, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    // A leading zero byte puts the name in the abstract namespace: nothing on disk, gone with the process.
    const size_t length = name.size() < sizeof(address.sun_path) - 1 ? name.size() : sizeof(address.sun_path) - 1;
    std::memcpy(address.sun_path + 1, name.data(), length);
    return socklen_t(offsetof(sockaddr_un, sun_path) + 1 + length);
}
// The data folder enters the name as a hash, so that the name stays short however long the path is.
std::string HashText(const std::string& text)
{
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text)
        hash = (hash ^ c) * 1099511628211ull;
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}
} // namespace

// What one copy guards is the user's data: copies with different data folders (as the tests give
// each of theirs) do not see each other.
cInstanceGuard::cInstanceGuard(const std::string& name)
    : address(name + "/" + std::to_string(getuid()) + "/" + HashText(UserDataFolder()))
{
}

cInstanceGuard::~cInstanceGuard()
{
    if (listener.joinable())
    {
        const char stop = 1;
        [[maybe_unused]] const ssize_t written = write(wakeDescriptors[1], &stop, 1);
        listener.join();
    }
    for (int descriptor : {socketDescriptor, wakeDescriptors[0], wakeDescriptors[1]})
    {
        if (descriptor >= 0)
            close(descriptor);
    }
}

bool cInstanceGuard::Acquire()
{
    sockaddr_un socketAddress;
    const socklen_t length = MakeAddress(address, socketAddress);
    socketDescriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socketDescriptor < 0)
        return true;
    if (bind(socketDescriptor, reinterpret_cast<sockaddr*>(&socketAddress), length) == 0 &&
        listen(socketDescriptor, 4) == 0 && pipe(wakeDescriptors) == 0)
    {
        listener = std::thread([this] { Listen(); });
        return true;
    }
    close(socketDescriptor);
    socketDescriptor = -1;
    // Somebody holds the name: tell it to come forward.
    const int peer = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (peer >= 0)
    {
        if (connect(peer, reinterpret_cast<sockaddr*>(&socketAddress), length) == 0)
        {
            const char raise = 'R';
            [[maybe_unused]] const ssize_t written = write(peer, &raise, 1);
        }
        close(peer);
    }
    return false;
}

void cInstanceGuard::Listen()
{
    for (;;)
    {
        pollfd waiting[2] = {{socketDescriptor, POLLIN, 0}, {wakeDescriptors[0], POLLIN, 0}};
        if (poll(waiting, 2, -1) < 0)
            continue;
        if (waiting[1].revents)
            return;
        if (!(waiting[0].revents & POLLIN))
            continue;
        const int peer = accept4(socketDescriptor, nullptr, nullptr, SOCK_CLOEXEC);
        if (peer < 0)
            continue;
        // A caller that connects and says nothing must not hold the listener up.
        timeval patience = {0, 200000};
        setsockopt(peer, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        char request = 0;
        if (read(peer, &request, 1) == 1 && request == 'R')
            raiseRequested = true;
        close(peer);
    }
}
