#pragma once
// Whether the desktop program can open a window here, and what to say when it cannot.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalodaya::ui {

// Reads an environment variable; empty when it is not set.
using EnvironmentReader = std::function<std::string(const char* name)>;

// Where a display server listens.
struct DisplayEndpoint {
    enum class Kind { UnixSocket, AbstractSocket, Tcp };
    Kind kind = Kind::UnixSocket;
    std::string address;  // the socket's path (abstract: its name), or the host
    int port = 0;         // Tcp only

    bool operator==(const DisplayEndpoint&) const = default;
};

// The places an X11 display name ($DISPLAY: [protocol/][host]:number[.screen]) is reached at,
// in the order X clients try them; none when the text names no display.
std::vector<DisplayEndpoint> X11Endpoints(std::string_view display);

// The socket of a Wayland display name ($WAYLAND_DISPLAY), relative to the runtime folder
// unless it is a path; none when it cannot be found without one.
std::optional<DisplayEndpoint> WaylandEndpoint(std::string_view name, std::string_view runtimeDir);

// Whether a server accepts a connection there (a few seconds at most for a remote host).
bool AcceptsConnections(const DisplayEndpoint& endpoint);

using EndpointProbe = std::function<bool(const DisplayEndpoint&)>;

// True when neither $WAYLAND_DISPLAY nor $DISPLAY names a display that accepts a connection,
// and no Qt platform was chosen explicitly (such a choice is tried as asked).
bool NoDisplayAvailable(const EnvironmentReader& env,
                        const EndpointProbe& probe = AcceptsConnections);

// The text printed instead of starting: one sentence on what is missing, then an example of
// computing a chart with `chartCommand` (the kalodaya-chart program) and of kalodaya --export.
std::string NoDisplayMessage(const std::string& chartCommand);

}  // namespace kalodaya::ui
