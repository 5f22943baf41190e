// The shape of every finite result text: -?(0|[1-9][0-9]*)\.[0-9]{3}, never -0.000.
#pragma once

#include <string_view>

namespace vornik {

inline bool hasResultShape(std::string_view text) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (text == "-0.000") {
        return false;
    }
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || text.size() - point != 4) {
        return false;
    }
    if (point > 1 && text.front() == '0') {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != point && !isDigit(text[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace vornik
