#include "settings/translation.h"

#include <utility>

#include "settings/text_conversion.h"

namespace vesko {

namespace {

Catalog& Installed() {
    static Catalog catalog;
    return catalog;
}

}  // namespace

void UseCatalog(Catalog catalog) {
    Installed() = std::move(catalog);
}

std::u16string Tr(std::u16string_view english) {
    const Catalog& catalog = Installed();
    if (!catalog || english.empty()) {
        return std::u16string(english);
    }
    const bool spaced = english.back() == u' ';
    const std::u16string_view key = spaced ? english.substr(0, english.size() - 1) : english;
    std::optional<std::u16string> translated = catalog(key);
    if (!translated) {
        return std::u16string(english);
    }
    if (spaced) {
        *translated += u' ';
    }
    return std::move(*translated);
}

std::u16string ContextKey(std::u16string_view context, std::u16string_view english) {
    std::u16string key(context);
    key += u'\x04';
    key += english;
    return key;
}

std::u16string TrIn(std::u16string_view context, std::u16string_view english) {
    const Catalog& catalog = Installed();
    std::optional<std::u16string> translated =
        catalog ? catalog(ContextKey(context, english)) : std::nullopt;
    return translated ? std::move(*translated) : std::u16string(english);
}

std::u16string TrFill(std::u16string_view pattern,
                      std::initializer_list<std::u16string_view> values) {
    const std::u16string translated = Tr(pattern);
    return FillIn(std::u16string_view(translated), values);
}

std::string TrFillUtf8(std::u16string_view pattern,
                       std::initializer_list<std::string_view> values) {
    const std::string translated = ToUtf8(Tr(pattern));
    return FillIn(std::string_view(translated), values);
}

}  // namespace vesko
