#include "fieldtexts.h"

namespace tervox::calc {

namespace {

// The members in the order of kFieldNames.
using Member = std::string FieldTexts::*;
constexpr std::array<Member, kFieldCount> kMembers = {
    &FieldTexts::Chislocilind, &FieldTexts::Chastota,    &FieldTexts::Izbytokvoz,
    &FieldTexts::Nmosnost,     &FieldTexts::StSzhatia,   &FieldTexts::Toe,
    &FieldTexts::Poe,          &FieldTexts::poctkoeff,   &FieldTexts::totrab,
    &FieldTexts::DeltT,        &FieldTexts::betaplusksi, &FieldTexts::Dublw,
    &FieldTexts::fii,          &FieldTexts::fi1,         &FieldTexts::nodin,
    &FieldTexts::ksizet,       &FieldTexts::ndva,        &FieldTexts::tzet,
    &FieldTexts::Pzet,         &FieldTexts::lambd,       &FieldTexts::roh,
    &FieldTexts::phii,         &FieldTexts::koefa,       &FieldTexts::koefb,
    &FieldTexts::skpor,        &FieldTexts::k_tk,
};

} // namespace

std::optional<FieldId> FieldIdOf(std::string_view name) {
    for (std::size_t i = 0; i < kFieldCount; ++i)
        if (kFieldNames[i] == name)
            return static_cast<FieldId>(i);
    return std::nullopt;
}

std::string& FieldTexts::text(FieldId id) { return this->*kMembers[static_cast<std::size_t>(id)]; }

const std::string& FieldTexts::text(FieldId id) const {
    return this->*kMembers[static_cast<std::size_t>(id)];
}

std::string* FieldTexts::field(std::string_view name) {
    const auto id = FieldIdOf(name);
    return id ? &text(*id) : nullptr;
}

const std::string* FieldTexts::field(std::string_view name) const {
    const auto id = FieldIdOf(name);
    return id ? &text(*id) : nullptr;
}

} // namespace tervox::calc
