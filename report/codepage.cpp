#include "codepage.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace tervox::report {
namespace {

// One converter per thread and direction: iconv_t is not thread-safe, and opening
// one costs more than converting a report entry.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts text; an input sequence that cannot be converted becomes "?".
    std::string convert(std::string_view text, std::size_t badSequenceLength) {
        std::string out;
        out.resize(text.size() * 4 + 4);
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            if (iconv(m_cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
                break;
            if (errno == E2BIG)
                break; // cannot happen: four output bytes per input byte is ample
            // EILSEQ (not in the target set, or malformed) or EINVAL (truncated):
            // skip the offending sequence and mark it.
            std::size_t skip = badSequenceLength ? badSequenceLength : SequenceLength(*in);
            if (skip > inLeft)
                skip = inLeft;
            in += skip;
            inLeft -= skip;
            if (outLeft > 0) {
                *outPtr++ = '?';
                --outLeft;
            }
        }
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    static std::size_t SequenceLength(char lead) {
        const auto c = static_cast<unsigned char>(lead);
        if (c >= 0xF0 && c < 0xF8)
            return 4;
        if (c >= 0xE0)
            return c < 0xF0 ? 3 : 1;
        if (c >= 0xC0)
            return 2;
        return 1;
    }

    iconv_t m_cd;
};

} // namespace

std::string ToCp1251(std::string_view utf8) {
    // Plain ASCII is the same in both encodings; most values are numbers.
    bool ascii = true;
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return std::string(utf8);
    thread_local Converter toCp1251("CP1251", "UTF-8");
    return toCp1251.convert(utf8, 0);
}

std::string FromCp1251(std::string_view cp1251) {
    thread_local Converter fromCp1251("UTF-8", "CP1251");
    return fromCp1251.convert(cp1251, 1);
}

unsigned char FoldCp1251(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDF) // А..Я
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x80: return 0x90; // Ђ
    case 0x81: return 0x83; // Ѓ
    case 0x8A: return 0x9A; // Љ
    case 0x8C: return 0x9C; // Њ
    case 0x8D: return 0x9D; // Ќ
    case 0x8E: return 0x9E; // Ћ
    case 0x8F: return 0x9F; // Џ
    case 0xA1: return 0xA2; // Ў
    case 0xA3: return 0xBC; // Ј
    case 0xA5: return 0xB4; // Ґ
    case 0xA8: return 0xB8; // Ё
    case 0xAA: return 0xBA; // Є
    case 0xAF: return 0xBF; // Ї
    case 0xB2: return 0xB3; // І
    case 0xBD: return 0xBE; // Ѕ
    default: return c;
    }
}

} // namespace tervox::report
