// A module's table of localized texts, read from its ANSI "LNG" resource:
//
//   # a comment
//   5="Ok"
//   65="Left mouse button + Ctrl\nor Right mouse button to reset current slot"
//
// One entry per line as N="text"; blank lines and lines starting with '#'
// are skipped, and so is any line that is not an entry. The text runs to the
// last '"' of the line, so it may hold quotes itself; "\n" in it is a line
// break. A number given twice keeps its first text.
#pragma once

#include <map>
#include <string>
#include <string_view>

class TextTable {
public:
    void Parse(std::string_view ansiText);
    // The entry's text, or null for a number without an entry (an entry may
    // be empty). The pointer stays valid for the table's lifetime, whatever
    // is parsed later.
    const char16_t* Find(int id) const;
    // As Find, with the empty text for a number without an entry.
    const char16_t* Lookup(int id) const;
    int Count() const;

private:
    void ParseLine(std::string_view line);

    std::map<int, std::u16string> texts;
};

// N of a placeholder text "#N" (digits only), or -1 for any other text.
int PlaceholderTextId(const char16_t* text);
