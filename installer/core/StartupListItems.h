// Reading AutoCAD's start-up list acad.rx item by item.
#pragma once

#include <string>
#include <vector>

namespace installer {

// The items of the text, in order. An item ends at a comma or at a line end
// (CR LF, or a lone LF or CR). An item that starts with a double quote runs
// to the closing quote and is taken without the quotes; commas inside them
// belong to the item, and whatever follows the closing quote up to the next
// comma or line end is dropped. Blanks (spaces and tabs) around an unquoted
// item are dropped, so " acadvba.arx " reads as "acadvba.arx"; blanks inside
// quotes are kept. Empty lines give no item.
std::vector<std::string> ReadStartupListItems(const std::string& text);

// True if any item equals `item` exactly; case counts.
bool StartupListHolds(const std::string& text, const std::string& item);

}  // namespace installer
