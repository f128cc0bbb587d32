// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 check: a connection to the X server's socket for -display or $DISPLAY, made by hand (the abstract and the
// file-system unix socket for ":n", TCP port 6000 + n for "host:n") so that nothing links libxcb for it.
#include "platform/displaycheck.h"

#include "platform/qtplatforms.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace DisplayCheck {
namespace {

// The display named by the last -display NAME (or -display=NAME), which the X11 plugin takes over $DISPLAY;
// nullptr when none is named.
const char *namedDisplay(int argc, char **argv)
{
    const char *name = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-display") == 0 && i + 1 < argc)
            name = argv[++i];
        else if (std::strncmp(argv[i], "-display=", 9) == 0)
            name = argv[i] + 9;
    }
    return name;
}

// 0 when the socket accepts a connection, or the errno value of the failure.
int tryUnix(const std::string &path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() + 1 >= sizeof address.sun_path)
        return ENAMETOOLONG;
    const size_t offset = abstract ? 1 : 0;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return errno;
    const int result = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0 ? 0 : errno;
    ::close(fd);
    return result;
}

// A host that does not answer gets a few seconds, not the system's minutes-long TCP timeout.
int tryTcp(const std::string &host, int port)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || found == nullptr)
        return EHOSTUNREACH;
    int result = ECONNREFUSED;
    for (addrinfo *at = found; at != nullptr; at = at->ai_next) {
        const int fd = ::socket(at->ai_family, at->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, at->ai_protocol);
        if (fd < 0) {
            result = errno;
            continue;
        }
        if (::connect(fd, at->ai_addr, at->ai_addrlen) == 0) {
            result = 0;
        } else if (errno == EINPROGRESS) {
            pollfd wait{fd, POLLOUT, 0};
            int soError = ETIMEDOUT;
            if (::poll(&wait, 1, 3000) == 1) {
                socklen_t size = sizeof soError;
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &size);
            }
            result = soError;
        } else {
            result = errno;
        }
        ::close(fd);
        if (result == 0)
            break;
    }
    ::freeaddrinfo(found);
    return result;
}

// named: the display -display gives, or nullptr for $DISPLAY.
std::string xProblem(const char *named)
{
    const char *env = named != nullptr ? named : std::getenv("DISPLAY");
    if (env == nullptr || *env == '\0')
        return "DISPLAY is not set";
    const std::string display = env;
    const size_t colon = display.rfind(':');
    std::string host = colon == std::string::npos ? std::string() : display.substr(0, colon);
    const std::string rest = colon == std::string::npos ? std::string() : display.substr(colon + 1);
    const size_t digits = rest.find_first_not_of("0123456789");
    const std::string number = rest.substr(0, digits);
    if (colon == std::string::npos || number.empty() || (digits != std::string::npos && rest[digits] != '.'))
        return (named != nullptr ? "-display \"" : "DISPLAY \"") + display + "\" is not a display name";
    // A socket path given whole (as some systems' launchers do) is Qt's to judge.
    if (!host.empty() && host.front() == '/')
        return {};
    int error = 0;
    if (host.empty() || host == "unix" || (host.size() > 5 && host.compare(host.size() - 5, 5, "/unix") == 0)) {
        const std::string socket = "/tmp/.X11-unix/X" + number;
        error = tryUnix(socket, true);
        if (error != 0)
            error = tryUnix(socket, false);
    } else {
        if (host.size() > 4 && host.compare(host.size() - 4, 4, "/tcp") == 0)
            host.resize(host.size() - 4);
        error = tryTcp(host, 6000 + std::atoi(number.c_str()));
    }
    if (error == 0)
        return {};
    return "cannot connect to " + display + " (" + std::strerror(error) + ")";
}

} // namespace

std::string problem(int argc, char **argv)
{
    const char *named = namedDisplay(argc, argv);
    const std::vector<std::string> platforms = QtPlatforms::chosen(argc, argv);
    // Any other platform, or a list that offers one, Qt judges itself.
    if (!platforms.empty()) {
        const bool onlyX =
            std::all_of(platforms.begin(), platforms.end(), [](const std::string &name) { return name == "xcb"; });
        return onlyX ? xProblem(named) : std::string();
    }
    if (named != nullptr && *named != '\0')
        return xProblem(named);
    // With no platform chosen, a Wayland session is left to Qt; otherwise the default is X11.
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    const char *x = std::getenv("DISPLAY");
    if ((x == nullptr || *x == '\0') && wayland != nullptr && *wayland != '\0')
        return {};
    if ((x == nullptr || *x == '\0'))
        return "DISPLAY and WAYLAND_DISPLAY are not set";
    return xProblem(nullptr);
}

} // namespace DisplayCheck
