// Lower-casing the text of a markup tag.
#include "preview/lower_case.h"

namespace hueloom::detail {
namespace {

bool Within(char16_t c, char16_t first, char16_t last) { return c >= first && c <= last; }

// Latin Extended-A pairs each capital with the small letter right after it.
char16_t LowerCaseLatinExtendedA(char16_t c) {
    if (c == u'\u0130') return u'i';       // capital I with dot above
    if (c == u'\u0178') return u'\u00FF';  // capital Y with diaeresis
    const bool even_capital = Within(c, u'\u0100', u'\u0137') || Within(c, u'\u014A', u'\u0177');
    const bool odd_capital = Within(c, u'\u0139', u'\u0148') || Within(c, u'\u0179', u'\u017E');
    if ((even_capital && c % 2 == 0) || (odd_capital && c % 2 == 1)) return c + 1;
    return c;
}

char16_t LowerCaseGreek(char16_t c) {
    if (Within(c, u'\u0391', u'\u03A9') && c != u'\u03A2') return c + 32;
    if (c == u'\u0386') return u'\u03AC';
    if (Within(c, u'\u0388', u'\u038A')) return c + 37;
    if (c == u'\u038C') return u'\u03CC';
    if (Within(c, u'\u038E', u'\u038F')) return c + 63;
    return c;
}

}  // namespace

char16_t LowerCase(char16_t c) {
    if (c < 0x80) return Within(c, u'A', u'Z') ? c + 32 : c;
    if (Within(c, u'\u00C0', u'\u00DE') && c != u'\u00D7') return c + 32;
    if (Within(c, u'\u0100', u'\u017F')) return LowerCaseLatinExtendedA(c);
    if (Within(c, u'\u0386', u'\u03A9')) return LowerCaseGreek(c);
    if (Within(c, u'\u0400', u'\u040F')) return c + 80;
    if (Within(c, u'\u0410', u'\u042F')) return c + 32;
    if (c == u'\u212A') return u'k';       // Kelvin sign
    if (c == u'\u212B') return u'\u00E5';  // Angstrom sign
    return c;
}

void LowerCaseInto(std::u16string_view text, std::u16string& out) {
    out.resize(text.size());
    // Tags are nearly always ASCII: for them a pass without branches.
    char16_t all_bits = 0;
    for (const char16_t c : text) all_bits |= c;
    if (all_bits < 0x80) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            out[i] = static_cast<char16_t>(c + (static_cast<unsigned>(c - u'A') < 26u ? 32 : 0));
        }
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) out[i] = LowerCase(text[i]);
}

}  // namespace hueloom::detail
