#include <windows.h>

#include "app/cli/console_output.h"

namespace vesko::cli {

namespace {

// A standard handle of the process: a console, or a pipe or file it was redirected to.
class StandardDevice final : public OutputDevice {
public:
    explicit StandardDevice(DWORD which) : handle_(::GetStdHandle(which)) {
        DWORD mode = 0;
        console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE &&
                   ::GetConsoleMode(handle_, &mode);
    }

    bool IsConsole() const override { return console_; }

    bool WriteText(std::u16string_view text) override {
        while (!text.empty()) {
            DWORD written = 0;
            const auto count = static_cast<DWORD>(std::min<std::size_t>(text.size(), 8192));
            if (!::WriteConsoleW(handle_, text.data(), count, &written, nullptr) || written == 0) {
                return false;
            }
            text.remove_prefix(written);
        }
        return true;
    }

    bool WriteBytes(std::string_view bytes) override {
        while (!bytes.empty()) {
            DWORD written = 0;
            const auto count = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 65536));
            if (!::WriteFile(handle_, bytes.data(), count, &written, nullptr) || written == 0) {
                return false;
            }
            bytes.remove_prefix(written);
        }
        return true;
    }

private:
    HANDLE handle_;
    bool console_ = false;
};

}  // namespace

std::unique_ptr<OutputDevice> StandardOutput() {
    return std::make_unique<StandardDevice>(STD_OUTPUT_HANDLE);
}

std::unique_ptr<OutputDevice> StandardError() {
    return std::make_unique<StandardDevice>(STD_ERROR_HANDLE);
}

}  // namespace vesko::cli
