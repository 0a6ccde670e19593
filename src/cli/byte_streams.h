#pragma once
// The two ends of the command: bytes in (standard input, or text in memory) and bytes out,
// with the reason when either fails.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace kalodaya::cli {

class ByteInput {
  public:
    virtual ~ByteInput() = default;
    // Reads up to `size` bytes, waiting until at least one is there; 0 at the end of the input
    // or when it cannot be read (Error() then says why).
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    // Whether Read would return without waiting.
    virtual bool Ready() = 0;
    const std::string& Error() const { return error_; }

  protected:
    std::string error_;
};

class ByteOutput {
  public:
    virtual ~ByteOutput() = default;
    // Writes all of `bytes`; false when they could not be written (Error() then says why).
    virtual bool Write(std::string_view bytes) = 0;
    const std::string& Error() const { return error_; }

  protected:
    std::string error_;
};

// A file descriptor: a pipe, a terminal, a file.
class FdInput : public ByteInput {
  public:
    explicit FdInput(int fd) : fd_(fd) {}
    std::size_t Read(char* buffer, std::size_t size) override;
    bool Ready() override;

  private:
    int fd_;
};

class FdOutput : public ByteOutput {
  public:
    explicit FdOutput(int fd) : fd_(fd) {}
    bool Write(std::string_view bytes) override;

  private:
    int fd_;
};

// Standard streams, for text in memory (tests, benchmarks); a stream never makes a reader wait.
class StreamInput : public ByteInput {
  public:
    explicit StreamInput(std::istream& in) : in_(in) {}
    std::size_t Read(char* buffer, std::size_t size) override;
    bool Ready() override { return true; }

  private:
    std::istream& in_;
};

class StreamOutput : public ByteOutput {
  public:
    explicit StreamOutput(std::ostream& out) : out_(out) {}
    bool Write(std::string_view bytes) override;

  private:
    std::ostream& out_;
};

}  // namespace kalodaya::cli
