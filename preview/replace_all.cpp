// Replacing every occurrence of a text, yielding to the toolkit once per replacement.
#include "preview/replace_all.h"

#include <cstddef>

#include "host/toolkit.h"
#include "preview/find_unit.h"

namespace hueloom {

// Occurrences are replaced from left to right and the search resumes after each
// inserted replacement, so the work is linear and a replacement that contains
// find is never searched again. An empty find matches nothing.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view find,
                          std::u16string_view replacement) {
    // Own copies: a handler run by DoEvents may change the caller's texts.
    std::u16string source(text);
    if (find.empty()) return source;
    const std::u16string target(find);
    const std::u16string insert(replacement);

    // A one-unit find, the renderer's carriage return, is looked for a word at a time.
    const auto next = [&](std::size_t from) {
        return target.size() == 1 ? detail::FindUnit(source, target[0], from)
                                  : source.find(target, from);
    };
    std::size_t found = next(0);
    if (found == std::u16string::npos) return source;
    std::u16string result;
    result.reserve(source.size());
    std::size_t done = 0;
    do {
        DoEvents();
        result.append(source, done, found - done);
        result.append(insert);
        done = found + target.size();
        found = next(done);
    } while (found != std::u16string::npos);
    result.append(source, done, std::u16string::npos);
    return result;
}

}  // namespace hueloom
