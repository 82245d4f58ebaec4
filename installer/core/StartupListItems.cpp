#include "StartupListItems.h"

#include <algorithm>

namespace installer {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool EndsItem(char c) {
    return c == ',' || IsLineEnd(c);
}

}  // namespace

std::vector<std::string> ReadStartupListItems(const std::string& text) {
    std::vector<std::string> items;
    std::size_t at = 0;
    const std::size_t size = text.size();
    while (at < size) {
        while (at < size && IsBlank(text[at])) ++at;
        if (at == size) break;
        if (IsLineEnd(text[at])) {  // an empty line, or the end of the last item's line
            ++at;
            continue;
        }

        std::string item;
        if (text[at] == '"') {
            // A quoted item may not run past its line: an unclosed quote ends
            // at the line end instead of swallowing the rest of the file.
            const std::size_t start = ++at;
            while (at < size && text[at] != '"' && !IsLineEnd(text[at])) ++at;
            item = text.substr(start, at - start);
            while (at < size && !EndsItem(text[at])) ++at;
        } else {
            const std::size_t start = at;
            while (at < size && !EndsItem(text[at])) ++at;
            std::size_t end = at;
            while (end > start && IsBlank(text[end - 1])) --end;
            item = text.substr(start, end - start);
        }
        items.push_back(std::move(item));
        if (at < size && text[at] == ',') ++at;  // a line end is consumed by the loop
    }
    return items;
}

bool StartupListHolds(const std::string& text, const std::string& item) {
    const std::vector<std::string> items = ReadStartupListItems(text);
    return std::find(items.begin(), items.end(), item) != items.end();
}

}  // namespace installer
