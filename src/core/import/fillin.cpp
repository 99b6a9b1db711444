#include "fillin.h"

#include <vector>

namespace vantrel {

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> words)
{
    const std::vector<std::string_view> list(words);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < list.size()) {
                out += list[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace vantrel
