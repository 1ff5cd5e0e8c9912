#include "settings/settings_record.h"

#include <algorithm>
#include <cassert>

#include "settings/text_conversion.h"

namespace vesko {

std::uint8_t SettingsRecord::Byte(Field field) const {
    assert(field.size == 1);
    return bytes_.at(field.offset);
}

void SettingsRecord::SetByte(Field field, std::uint8_t value) {
    assert(field.size == 1);
    bytes_.at(field.offset) = value;
}

std::uint16_t SettingsRecord::Word(Field field) const {
    assert(field.size == 2);
    return static_cast<std::uint16_t>(bytes_.at(field.offset) | (bytes_.at(field.offset + 1) << 8));
}

void SettingsRecord::SetWord(Field field, std::uint16_t value) {
    assert(field.size == 2);
    bytes_.at(field.offset) = static_cast<std::uint8_t>(value & 0xFFu);
    bytes_.at(field.offset + 1) = static_cast<std::uint8_t>(value >> 8);
}

std::span<const std::uint8_t> SettingsRecord::View(Field field) const {
    return std::span<const std::uint8_t>(bytes_).subspan(field.offset, field.size);
}

std::u16string SettingsRecord::Text(Field field) const {
    return BytesToText(View(field));
}

void SettingsRecord::SetText(Field field, std::u16string_view text) {
    auto target = std::span<std::uint8_t>(bytes_).subspan(field.offset, field.size);
    TextToBytes(text, target);
}

void SettingsRecord::Clear(Field field) {
    auto target = std::span<std::uint8_t>(bytes_).subspan(field.offset, field.size);
    std::fill(target.begin(), target.end(), std::uint8_t{0});
}

}  // namespace vesko
