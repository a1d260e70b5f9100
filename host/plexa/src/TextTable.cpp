#include "host/plexa/src/TextTable.h"

#include "host/plexa/src/AnsiCodePage.h"

namespace {

std::string_view TrimLeft(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string Unescape(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            plain.push_back('\n');
            ++i;
        } else {
            plain.push_back(text[i]);
        }
    }
    return plain;
}

} // namespace

void TextTable::Parse(std::string_view ansiText)
{
    while (!ansiText.empty()) {
        const auto end = ansiText.find('\n');
        ParseLine(ansiText.substr(0, end));
        if (end == std::string_view::npos)
            break;
        ansiText.remove_prefix(end + 1);
    }
}

const char16_t* TextTable::Find(int id) const
{
    const auto found = texts.find(id);
    return found == texts.end() ? nullptr : found->second.c_str();
}

const char16_t* TextTable::Lookup(int id) const
{
    const char16_t* text = Find(id);
    return text ? text : u"";
}

int TextTable::Count() const { return static_cast<int>(texts.size()); }

void TextTable::ParseLine(std::string_view line)
{
    line = TrimRight(TrimLeft(line));
    if (line.empty() || line.front() == '#')
        return;
    int id = 0;
    std::size_t digits = 0;
    for (; digits < line.size() && line[digits] >= '0' && line[digits] <= '9'; ++digits) {
        id = id * 10 + (line[digits] - '0');
        if (id > 1000000)
            return;
    }
    if (digits == 0)
        return;
    line = TrimLeft(line.substr(digits));
    if (line.empty() || line.front() != '=')
        return;
    line = TrimLeft(line.substr(1));
    if (line.size() < 2 || line.front() != '"' || line.back() != '"')
        return;
    texts.emplace(id, AnsiToUtf16(Unescape(line.substr(1, line.size() - 2))));
}

int PlaceholderTextId(const char16_t* text)
{
    if (!text || text[0] != u'#' || !text[1])
        return -1;
    int id = 0;
    for (const char16_t* p = text + 1; *p; ++p) {
        if (*p < u'0' || *p > u'9' || id > 100000)
            return -1;
        id = id * 10 + (*p - u'0');
    }
    return id;
}
