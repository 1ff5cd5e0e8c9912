// vesko-cli's output as a console, a pipe and a file see it, through the seam that stands
// in for them.
#include <gtest/gtest.h>

#include <ostream>

#include "app/cli/console_output.h"

namespace vesko::cli {
namespace {

class FakeDevice final : public OutputDevice {
public:
    FakeDevice(bool console, bool broken) : console_(console), broken_(broken) {}
    bool IsConsole() const override { return console_; }
    bool WriteText(std::u16string_view text) override {
        text_ += text;
        text_ += u'|';  // where one call ends
        return !broken_;
    }
    bool WriteBytes(std::string_view bytes) override {
        bytes_ += bytes;
        return !broken_;
    }
    std::u16string text_;
    std::string bytes_;

private:
    bool console_;
    bool broken_;
};

TEST(ConsoleOutputTest, ConsolesGetWholeCharactersAndEverythingElseTheBytes) {
    struct Row {
        const char* what;
        bool console;
        std::vector<std::string> writes;
        std::u16string text;  // what the console was given, call by call
        std::string bytes;
    };
    const std::vector<Row> rows{
        {"a console, a line at a time",
         true,
         {"K\xC3\xA4rtchen \xCE\xA9\n", "\xE6\x97\xA5"},
         u"Kärtchen Ω\n|日|",
         ""},
        {"a character cut between two writes", true, {"\xE6\x97", "\xA5\n"}, u"日\n|", ""},
        {"a pipe or a file",
         false,
         {"K\xC3\xA4rtchen\n", "\xE6\x97"},
         u"",
         "K\xC3\xA4rtchen\n\xE6\x97"},
    };
    for (const Row& row : rows) {
        FakeDevice device(row.console, false);
        {
            DeviceBuffer buffer(device);
            std::ostream out(&buffer);
            for (const std::string& write : row.writes) {
                out << write;
            }
            EXPECT_TRUE(out.flush()) << row.what;
        }
        EXPECT_EQ(device.text_, row.text) << row.what;
        EXPECT_EQ(device.bytes_, row.bytes) << row.what;
    }
}

TEST(ConsoleOutputTest, AWriteThatFailsFailsTheStream) {
    for (const bool console : {true, false}) {
        FakeDevice device(console, true);
        DeviceBuffer buffer(device);
        std::ostream out(&buffer);
        out << "ok card\n";
        EXPECT_FALSE(out.flush()) << console;
    }
}

}  // namespace
}  // namespace vesko::cli
