#include "ui/display_check.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

namespace kalodaya::ui {
namespace {

constexpr int kX11FirstPort = 6000;
constexpr int kRemoteWaitMs = 3000;

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char ch : text)
        if (ch < '0' || ch > '9') return false;
    return true;
}

// A socket that is closed when this function's caller is done, whatever happens.
class Socket {
  public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0) ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

bool ConnectLocal(const DisplayEndpoint& endpoint) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const bool abstract = endpoint.kind == DisplayEndpoint::Kind::AbstractSocket;
    const std::size_t offset = abstract ? 1 : 0;  // an abstract name starts with a NUL byte
    if (endpoint.address.size() + offset + 1 > sizeof address.sun_path) return false;
    std::memcpy(address.sun_path + offset, endpoint.address.data(), endpoint.address.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               endpoint.address.size() + (abstract ? 0 : 1));
    Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.fd() < 0) return false;
    int result = 0;
    do {
        result = ::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address), length);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

// A remote display may sit behind a host that never answers: the connection is given up after
// a few seconds rather than the system's minutes.
bool ConnectRemote(const DisplayEndpoint& endpoint) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(endpoint.port);
    if (::getaddrinfo(endpoint.address.c_str(), port.c_str(), &hints, &found) != 0) return false;
    bool accepted = false;
    for (const addrinfo* a = found; a && !accepted; a = a->ai_next) {
        Socket socket(::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                               a->ai_protocol));
        if (socket.fd() < 0) continue;
        if (::connect(socket.fd(), a->ai_addr, a->ai_addrlen) == 0) {
            accepted = true;
            break;
        }
        if (errno != EINPROGRESS) continue;
        pollfd p{socket.fd(), POLLOUT, 0};
        if (::poll(&p, 1, kRemoteWaitMs) != 1) continue;
        int error = 0;
        socklen_t size = sizeof error;
        accepted = ::getsockopt(socket.fd(), SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    ::freeaddrinfo(found);
    return accepted;
}

}  // namespace

std::vector<DisplayEndpoint> X11Endpoints(std::string_view display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string_view::npos) return {};
    std::string_view host = display.substr(0, colon);
    std::string_view number = display.substr(colon + 1);
    if (const std::size_t dot = number.find('.'); dot != std::string_view::npos) {
        if (!AllDigits(number.substr(dot + 1))) return {};
        number = number.substr(0, dot);
    }
    if (!AllDigits(number) || number.size() > 4) return {};
    // "host::0" is DECnet, which nothing here speaks.
    if (!host.empty() && host.back() == ':') return {};
    const std::string socketName = "/tmp/.X11-unix/X" + std::string(number);

    if (!host.empty() && host.front() == '/')  // the path of the socket itself
        return {{DisplayEndpoint::Kind::UnixSocket, std::string(host), 0}};
    std::string_view protocol;
    if (const std::size_t slash = host.find('/'); slash != std::string_view::npos) {
        protocol = host.substr(0, slash);
        host = host.substr(slash + 1);
    }
    if (protocol == "unix" || (protocol.empty() && (host.empty() || host == "unix")))
        return {{DisplayEndpoint::Kind::AbstractSocket, socketName, 0},
                {DisplayEndpoint::Kind::UnixSocket, socketName, 0}};
    if (!protocol.empty() && protocol != "tcp" && protocol != "inet" && protocol != "inet6")
        return {};
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    if (host.empty()) return {};
    return {{DisplayEndpoint::Kind::Tcp, std::string(host), kX11FirstPort + std::stoi(std::string(number))}};
}

std::optional<DisplayEndpoint> WaylandEndpoint(std::string_view name, std::string_view runtimeDir) {
    if (name.empty()) return std::nullopt;
    if (name.front() == '/') return DisplayEndpoint{DisplayEndpoint::Kind::UnixSocket, std::string(name), 0};
    if (runtimeDir.empty()) return std::nullopt;
    std::string path(runtimeDir);
    if (path.back() != '/') path += '/';
    return DisplayEndpoint{DisplayEndpoint::Kind::UnixSocket, path + std::string(name), 0};
}

bool AcceptsConnections(const DisplayEndpoint& endpoint) {
    return endpoint.kind == DisplayEndpoint::Kind::Tcp ? ConnectRemote(endpoint)
                                                       : ConnectLocal(endpoint);
}

bool NoDisplayAvailable(const EnvironmentReader& env, const EndpointProbe& probe) {
    if (!env("QT_QPA_PLATFORM").empty()) return false;
    if (const auto wayland = WaylandEndpoint(env("WAYLAND_DISPLAY"), env("XDG_RUNTIME_DIR")))
        if (probe(*wayland)) return false;
    for (const DisplayEndpoint& endpoint : X11Endpoints(env("DISPLAY")))
        if (probe(endpoint)) return false;
    return true;
}

std::string NoDisplayMessage(const std::string& chartCommand) {
    return "Kalodaya needs a graphical desktop (an X11 or Wayland display), and none is "
           "available here.\n"
           "To compute a chart without one, use kalodaya-chart, for example:\n"
           "  " + chartCommand +
           " --name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N --lon 77:13E --zone 34\n"
           "or write it to a PDF or PNG file with the same options:\n"
           "  kalodaya --export rama.pdf --name RAMA ...\n";
}

}  // namespace kalodaya::ui
