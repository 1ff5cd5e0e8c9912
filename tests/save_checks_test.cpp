#include <gtest/gtest.h>

#include "settings/save_checks.h"

namespace vesko {
namespace {

using Kind = SpeedLimitVerdict::Kind;

TEST(SaveChecksTest, WifiTextLengths) {
    EXPECT_EQ(CheckWifiPassword(u"1234567"), PasswordVerdict::kTooShort);
    EXPECT_EQ(CheckWifiPassword(u""), PasswordVerdict::kTooShort);
    EXPECT_EQ(CheckWifiPassword(u"12345678"), PasswordVerdict::kOk);
    EXPECT_EQ(CheckWifiPassword(u"12345678901234567890"), PasswordVerdict::kOk);
    EXPECT_EQ(CheckWifiPassword(u"123456789012345678901"), PasswordVerdict::kTooLong);
    EXPECT_EQ(CheckWifiSsid(u""), SsidVerdict::kEmpty);
    EXPECT_EQ(CheckWifiSsid(u"Q"), SsidVerdict::kOk);
    EXPECT_EQ(CheckWifiSsid(u"123456789012345678901"), SsidVerdict::kTooLong);
}

TEST(SaveChecksTest, SpeedLimitIsDigitsAfterOptionalWhiteSpace) {
    const struct {
        std::u16string_view text;
        Kind kind;
        int value;
    } cases[] = {
        {u"", Kind::kOk, 0},           {u"   ", Kind::kOk, 0},
        {u"0", Kind::kOk, 0},          {u" 7", Kind::kOk, 7},
        {u"\t60", Kind::kOk, 60},      {u"255", Kind::kOk, 255},
        {u"007", Kind::kOk, 7},        {u"256", Kind::kOver255, 0},
        {u"300", Kind::kOver255, 0},   {u"99999999999", Kind::kOver255, 0},
        {u"-5", Kind::kNotDigits, 0},  {u"+5", Kind::kNotDigits, 0},
        {u"1a0", Kind::kNotDigits, 0}, {u"1 0", Kind::kNotDigits, 0},
        {u"7 ", Kind::kNotDigits, 0},  {u"\uFF15", Kind::kNotDigits, 0},  // a full-width digit
    };
    for (const auto& c : cases) {
        const SpeedLimitVerdict verdict = ParseSpeedLimit(c.text);
        EXPECT_EQ(verdict.kind, c.kind) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(verdict.value, c.value) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(SaveChecksTest, CharactersThatOneByteHolds) {
    EXPECT_TRUE(FitsInBytes(u""));
    EXPECT_TRUE(FitsInBytes(u"AB_12\u00E9\u00FF\u0080"));
    EXPECT_FALSE(FitsInBytes(u"A\u0141B"));
    EXPECT_FALSE(FitsInBytes(u"\u0100"));
}

}  // namespace
}  // namespace vesko
