// Where vesko-cli's results and messages go, as its streams see it: on Windows a console
// takes UTF-16 (WriteConsoleW), so that every character shows as written whatever the
// console's code page, which is never changed; a pipe or a file takes the UTF-8 bytes as
// they are. Behind a seam, so that tests can stand in for a console.
#pragma once

#include <memory>
#include <streambuf>
#include <string>
#include <string_view>

namespace vesko::cli {

class OutputDevice {
public:
    virtual ~OutputDevice() = default;
    virtual bool IsConsole() const = 0;
    // False when the output is gone (a closed pipe, a full disk).
    virtual bool WriteText(std::u16string_view text) = 0;  // to a console
    virtual bool WriteBytes(std::string_view bytes) = 0;   // to anything else
};

// A stream buffer over `device`: UTF-8 in; to a console whole characters only, a sequence cut
// by the buffer's end kept for the next write. A failed write fails the stream.
class DeviceBuffer final : public std::streambuf {
public:
    explicit DeviceBuffer(OutputDevice& device) : device_(device) {}
    DeviceBuffer(const DeviceBuffer&) = delete;
    DeviceBuffer& operator=(const DeviceBuffer&) = delete;
    ~DeviceBuffer() override { sync(); }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    bool Flush(bool whole);

    OutputDevice& device_;
    std::string pending_;
    bool failed_ = false;
};

#ifdef _WIN32
// The process's own standard output and standard error.
std::unique_ptr<OutputDevice> StandardOutput();
std::unique_ptr<OutputDevice> StandardError();
#endif

}  // namespace vesko::cli
