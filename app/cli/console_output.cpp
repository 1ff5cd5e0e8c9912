#include "app/cli/console_output.h"

#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

// A pipe or file takes its bytes in blocks; a console a line at a time, as it is written.
constexpr std::size_t kBlock = 4096;

// How much of `bytes` ends on a whole UTF-8 character: a sequence the end cut short waits
// for the rest.
std::size_t WholeCharacters(const std::string& bytes) {
    std::size_t start = bytes.size();
    for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) != 0x80) {  // the last sequence starts here
            const std::size_t length = byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
            start = length > back ? bytes.size() - back : bytes.size();
            break;
        }
    }
    return start;
}

}  // namespace

DeviceBuffer::int_type DeviceBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return Flush(false) ? traits_type::not_eof(c) : traits_type::eof();
    }
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

std::streamsize DeviceBuffer::xsputn(const char* text, std::streamsize count) {
    if (failed_) {
        return 0;
    }
    pending_.append(text, static_cast<std::size_t>(count));
    const bool line_done = device_.IsConsole() && pending_.find('\n') != std::string::npos;
    if ((line_done || pending_.size() >= kBlock) && !Flush(false)) {
        return 0;
    }
    return count;
}

int DeviceBuffer::sync() {
    return Flush(true) ? 0 : -1;
}

bool DeviceBuffer::Flush(bool whole) {
    if (failed_ || pending_.empty()) {
        return !failed_;
    }
    if (device_.IsConsole()) {
        const std::size_t end = whole ? pending_.size() : WholeCharacters(pending_);
        failed_ = !device_.WriteText(FromUtf8(std::string_view(pending_).substr(0, end)));
        pending_.erase(0, end);
    } else {
        failed_ = !device_.WriteBytes(pending_);
        pending_.clear();
    }
    return !failed_;
}

}  // namespace vesko::cli
