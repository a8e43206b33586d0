#include "occurrences.h"

#include <algorithm>

std::vector<int> searchPositions(const std::string& text, const std::string& pattern)
{
    std::vector<int> positions;
    for (auto it = std::search(text.begin(), text.end(), pattern.begin(), pattern.end());
         it != text.end(); it = std::search(it + 1, text.end(), pattern.begin(), pattern.end()))
        positions.push_back(static_cast<int>(it - text.begin()));
    return positions;
}

std::vector<int> driverPositions(
    Matcher matcher, const std::string& text, const std::string& pattern)
{
    std::vector<int> positions;
    int last = -1;
    while ((last = matcher(text, pattern, last + 1)) != -1) {
        positions.push_back(last);
        if (positions.size() > text.size()) // a matcher that does not advance
            break;
    }
    return positions;
}
