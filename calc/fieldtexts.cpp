#include "fieldtexts.h"

namespace tervox::calc {

namespace {

template <typename Texts, typename Result>
Result* FieldByName(Texts& t, std::string_view name) {
    struct Named {
        std::string_view name;
        std::string FieldTexts::*member;
    };
    static constexpr Named kFields[] = {
        {"Chislocilind", &FieldTexts::Chislocilind}, {"Chastota", &FieldTexts::Chastota},
        {"Izbytokvoz", &FieldTexts::Izbytokvoz},     {"Nmosnost", &FieldTexts::Nmosnost},
        {"StSzhatia", &FieldTexts::StSzhatia},       {"Toe", &FieldTexts::Toe},
        {"Poe", &FieldTexts::Poe},                   {"poctkoeff", &FieldTexts::poctkoeff},
        {"totrab", &FieldTexts::totrab},             {"DeltT", &FieldTexts::DeltT},
        {"betaplusksi", &FieldTexts::betaplusksi},   {"Dublw", &FieldTexts::Dublw},
        {"fii", &FieldTexts::fii},                   {"fi1", &FieldTexts::fi1},
        {"nodin", &FieldTexts::nodin},               {"ksizet", &FieldTexts::ksizet},
        {"ndva", &FieldTexts::ndva},                 {"tzet", &FieldTexts::tzet},
        {"Pzet", &FieldTexts::Pzet},                 {"lambd", &FieldTexts::lambd},
        {"roh", &FieldTexts::roh},                   {"phii", &FieldTexts::phii},
        {"koefa", &FieldTexts::koefa},               {"koefb", &FieldTexts::koefb},
        {"skpor", &FieldTexts::skpor},               {"k_tk", &FieldTexts::k_tk},
    };
    for (const Named& f : kFields)
        if (f.name == name)
            return &(t.*f.member);
    return nullptr;
}

} // namespace

std::string* FieldTexts::field(std::string_view name) {
    return FieldByName<FieldTexts, std::string>(*this, name);
}

const std::string* FieldTexts::field(std::string_view name) const {
    return FieldByName<const FieldTexts, const std::string>(*this, name);
}

} // namespace tervox::calc
