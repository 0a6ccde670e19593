#pragma once
// kalodaya-chart as a separate process: arguments, standard input, and what it writes to each
// stream, including a standard output that is full or closed.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace kalodaya::testing_support {

enum class StdoutTo { Pipe, DevFull, Closed };

struct ProcessResult {
    int status = -1;  // exit status, or -1 when ended by a signal
    std::string out, err;
    bool hung = false;  // ended by the test for running too long
};

// A started kalodaya-chart with its three streams in reach.
class ChartProcess {
  public:
    explicit ChartProcess(const std::vector<std::string>& args, StdoutTo stdoutTo = StdoutTo::Pipe) {
        std::signal(SIGPIPE, SIG_IGN);
        int in[2], out[2], err[2];
        if (pipe2(in, O_CLOEXEC) || pipe2(out, O_CLOEXEC) || pipe2(err, O_CLOEXEC))
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        switch (stdoutTo) {
            case StdoutTo::Pipe: posix_spawn_file_actions_adddup2(&actions, out[1], 1); break;
            case StdoutTo::DevFull:
                posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
                break;
            case StdoutTo::Closed: posix_spawn_file_actions_addclose(&actions, 1); break;
        }
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        std::vector<std::string> all = {KALODAYA_CHART_EXE};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        const int failed = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        ::close(err[1]);
        in_ = in[1];
        out_ = out[0];
        err_ = err[0];
        if (failed) throw std::runtime_error("posix_spawn");
    }
    ~ChartProcess() {
        CloseInput();
        for (int fd : {out_, err_}) ::close(fd);
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    ChartProcess(const ChartProcess&) = delete;
    ChartProcess& operator=(const ChartProcess&) = delete;

    void Write(const std::string& text) {
        for (std::size_t at = 0; at < text.size();) {
            const ssize_t put = ::write(in_, text.data() + at, text.size() - at);
            if (put <= 0) throw std::runtime_error("write to the child");
            at += static_cast<std::size_t>(put);
        }
    }
    void CloseInput() {
        if (in_ >= 0) ::close(in_);
        in_ = -1;
    }

    // The next line of standard output (without its line end), or nothing when none is
    // complete within `wait`.
    std::optional<std::string> ReadLine(std::chrono::milliseconds wait) {
        const auto until = std::chrono::steady_clock::now() + wait;
        for (;;) {
            if (const auto end = outText_.find('\n'); end != std::string::npos) {
                std::string line = outText_.substr(0, end);
                outText_.erase(0, end + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            if (left.count() <= 0) return std::nullopt;
            pollfd p{out_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
            char buffer[65536];
            const ssize_t got = ::read(out_, buffer, sizeof buffer);
            if (got <= 0) return std::nullopt;
            outText_.append(buffer, static_cast<std::size_t>(got));
        }
    }

    // Feeds `input`, closes standard input and collects everything until the process ends.
    // With a `limit`, a process still running then is ended (status -1, `hung` set): for the
    // tests of things that must not wait for ever.
    ProcessResult Finish(const std::string& input = "",
                         std::optional<std::chrono::seconds> limit = std::nullopt) {
        const auto until = std::chrono::steady_clock::now() + limit.value_or(std::chrono::seconds(0));
        ProcessResult result;
        result.out = std::move(outText_);
        std::size_t fed = 0;
        if (fed == input.size()) CloseInput();
        // A write never blocks: a child busy writing its answers must be read meanwhile.
        if (in_ >= 0) ::fcntl(in_, F_SETFL, ::fcntl(in_, F_GETFL) | O_NONBLOCK);
        bool outOpen = true, errOpen = true;
        while (outOpen || errOpen) {
            std::vector<pollfd> fds;
            if (outOpen) fds.push_back({out_, POLLIN, 0});
            if (errOpen) fds.push_back({err_, POLLIN, 0});
            if (in_ >= 0) fds.push_back({in_, POLLOUT, 0});
            int wait = -1;
            if (limit) {
                const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    until - std::chrono::steady_clock::now());
                if (left.count() <= 0) {
                    ::kill(pid_, SIGKILL);
                    result.hung = true;
                    break;
                }
                wait = static_cast<int>(left.count());
            }
            if (::poll(fds.data(), fds.size(), wait) < 0) continue;
            for (const pollfd& p : fds) {
                if (p.revents == 0) continue;
                if (p.fd == in_) {
                    const ssize_t put = ::write(in_, input.data() + fed,
                                                std::min<std::size_t>(input.size() - fed, 65536));
                    if (put > 0) fed += static_cast<std::size_t>(put);
                    if ((put < 0 && errno != EAGAIN) || fed == input.size()) CloseInput();
                    continue;
                }
                char buffer[65536];
                const ssize_t got = ::read(p.fd, buffer, sizeof buffer);
                std::string& text = p.fd == out_ ? result.out : result.err;
                if (got > 0)
                    text.append(buffer, static_cast<std::size_t>(got));
                else
                    (p.fd == out_ ? outOpen : errOpen) = false;
            }
        }
        CloseInput();
        int raw = 0;
        ::waitpid(pid_, &raw, 0);
        pid_ = -1;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return result;
    }

  private:
    pid_t pid_ = -1;
    int in_ = -1, out_ = -1, err_ = -1;
    std::string outText_;
};

inline ProcessResult RunChart(const std::vector<std::string>& args, const std::string& input = "",
                              StdoutTo stdoutTo = StdoutTo::Pipe) {
    return ChartProcess(args, stdoutTo).Finish(input);
}

// The same for a run that must end within a minute (a hang is a failure, not a stuck test).
inline ProcessResult RunChartBounded(const std::vector<std::string>& args) {
    return ChartProcess(args).Finish("", std::chrono::seconds(60));
}

}  // namespace kalodaya::testing_support
