#include "host/plexa/src/XmlParser.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/AsciiText.h"
#include "common/Utf8.h"
#include "host/plexa/src/XmlNode.h"

namespace {

// "#x10FFFF" and its ';' fit in this many units; "&" to ";" spans at most 12.
constexpr std::size_t kLongestReference = 12;

// Tags with fewer attributes are searched for a name instead of hashing it.
constexpr int kSearchedAttributes = 16;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Every byte of a character beyond ASCII counts as a name's.
bool IsNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

// The character a reference "&...;" stands for, or false to keep it as written.
bool DecodeReference(std::string_view reference, std::string& out)
{
    if (reference == "lt")
        out.push_back('<');
    else if (reference == "gt")
        out.push_back('>');
    else if (reference == "amp")
        out.push_back('&');
    else if (reference == "quot")
        out.push_back('"');
    else if (reference == "apos")
        out.push_back('\'');
    else if (reference.size() > 1 && reference[0] == '#') {
        const bool hex = reference[1] == 'x' || reference[1] == 'X';
        const std::string_view digits = reference.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8)
            return false;
        char32_t c = 0;
        for (const char d : digits) {
            const int value = hex ? HexDigitValue(d) : (d >= '0' && d <= '9' ? d - '0' : -1);
            if (value < 0)
                return false;
            c = c * (hex ? 16 : 10) + static_cast<char32_t>(value);
        }
        if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
            return false;
        AppendUtf8(out, c);
    } else {
        return false;
    }
    return true;
}

void DecodeReferences(std::string_view raw, std::string& out)
{
    out.clear();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '&') {
            // The ';' is looked for only as far as the longest reference
            // reaches, so text full of '&' stays linear.
            const auto end = raw.substr(i + 1, kLongestReference).find(';');
            if (end != std::string_view::npos && DecodeReference(raw.substr(i + 1, end), out)) {
                i += end + 1;
                continue;
            }
        }
        out.push_back(raw[i]);
    }
}

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

class Parser {
public:
    Parser(std::string_view text, XmlStore& store) : text(text), store(store)
    {
        open.push_back({&store.Root(), nullptr, {}});
    }

    bool Run()
    {
        while (position < text.size()) {
            const auto start = text.find('<', position);
            const std::string_view raw =
                text.substr(position, start == std::string_view::npos ? std::string_view::npos : start - position);
            AddText(DecodeText(raw));
            if (start == std::string_view::npos)
                return true;
            position = start;
            if (!Markup())
                return false;
        }
        return true;
    }

private:
    // An element whose end tag has not come yet, its last child so far and
    // its text so far: the text comes in pieces between the children, and
    // is stored once, when the element closes.
    struct OpenElement {
        XmlNode* node;
        XmlNode* lastChild = nullptr;
        std::string text;
    };

    // Text and values in valid UTF-8 with their references replaced: most
    // are plain ASCII and taken as they stand; the others are made in
    // buffers of the parser's. Malformed UTF-8 becomes U+FFFD byte by byte,
    // so a piece of the document decodes as it would within the whole.
    std::string_view DecodeText(std::string_view raw)
    {
        if (!IsAscii(raw)) {
            valid = ValidUtf8(raw);
            raw = valid;
        }
        if (raw.find('&') == std::string_view::npos)
            return raw;
        DecodeReferences(raw, decoded);
        return decoded;
    }

    void AddText(std::string_view chunk)
    {
        // Text outside every element (the rest of a page around a table) is ignored.
        if (open.size() > 1)
            open.back().text.append(chunk);
    }

public:
    // Closes the elements open above `level` (the document node is level 0).
    void CloseAbove(std::size_t level)
    {
        while (open.size() > level + 1) {
            OpenElement& element = open.back();
            if (!element.text.empty())
                element.node->SetText(element.text);
            open.pop_back();
        }
    }

private:
    bool StartsWith(std::string_view prefix) const { return text.substr(position, prefix.size()) == prefix; }

    // Moves past `terminator`; false when it never comes.
    bool SkipPast(std::string_view terminator)
    {
        const auto end = text.find(terminator, position);
        if (end == std::string_view::npos)
            return false;
        position = end + terminator.size();
        return true;
    }

    bool Markup()
    {
        if (StartsWith("<!--"))
            return SkipPast("-->");
        if (StartsWith("<![CDATA[")) {
            const std::size_t start = position + 9;
            const auto end = text.find("]]>", start);
            if (end == std::string_view::npos)
                return false;
            AddText(ValidUtf8(text.substr(start, end - start)));
            position = end + 3;
            return true;
        }
        if (StartsWith("<?"))
            return SkipPast("?>");
        if (StartsWith("<!"))
            return SkipDeclaration();
        if (StartsWith("</"))
            return EndTag();
        if (position + 1 < text.size() && IsNameStart(text[position + 1]))
            return StartTag();
        // A '<' that starts no markup ("a < b") is text.
        AddText("<");
        ++position;
        return true;
    }

    // <!DOCTYPE ...> and the like, with an internal subset in brackets. Its
    // declarations are skipped unread: no entity is ever defined or expanded.
    bool SkipDeclaration()
    {
        int brackets = 0;
        for (std::size_t i = position + 2; i < text.size(); ++i) {
            if (text[i] == '[')
                ++brackets;
            else if (text[i] == ']')
                --brackets;
            else if (text[i] == '>' && brackets <= 0) {
                position = i + 1;
                return true;
            }
        }
        return false;
    }

    std::string_view Name()
    {
        const std::size_t start = position;
        while (position < text.size() && IsNameChar(text[position]))
            ++position;
        return text.substr(start, position - start);
    }

    void SkipSpaces()
    {
        while (position < text.size() && IsSpace(text[position]))
            ++position;
    }

    bool EndTag()
    {
        position += 2;
        const std::u16string_view name = Wide(Name());
        SkipSpaces();
        if (position >= text.size() || text[position] != '>')
            return false;
        ++position;
        // Close up to the matching element, and with it every element left
        // open inside it (a <br> never closed); an end tag that matches no
        // open element is ignored.
        XmlIndex number = 0;
        if (name.empty() || !store.FindName(name, number))
            return true;
        for (std::size_t level = open.size() - 1; level > 0; --level) {
            if (open[level].node->NameNumber() == number) {
                CloseAbove(level - 1);
                return true;
            }
        }
        return true;
    }

    void Link(XmlNode& element)
    {
        OpenElement& parent = open.back();
        const XmlIndex index = store.IndexOf(element);
        if (parent.lastChild)
            parent.lastChild->LinkNext(index);
        else
            parent.node->LinkFirstChild(index);
        parent.lastChild = &element;
    }

    // A tag cut off before its end (a file cut short by a full disk) adds no
    // element: the parse keeps only what was read whole.
    bool Unfinished(XmlNode* lastChildBefore)
    {
        OpenElement& parent = open.back();
        if (lastChildBefore)
            lastChildBefore->LinkNext(0);
        else
            parent.node->LinkFirstChild(0);
        parent.lastChild = lastChildBefore;
        store.DropLastElement();
        return false;
    }

    bool StartTag()
    {
        ++position;
        if (open.size() > kMaxXmlDepth)
            return false;
        XmlNode* lastChildBefore = open.back().lastChild;
        XmlNode& element = store.NewElement(InternName(Name()));
        Link(element);
        attributesInTag = 0;
        lastAttribute = 0;
        for (;;) {
            SkipSpaces();
            if (position >= text.size())
                return Unfinished(lastChildBefore);
            if (text[position] == '>') {
                ++position;
                EndOfTag(element);
                open.push_back({&element, nullptr, {}});
                return true;
            }
            if (StartsWith("/>")) {
                position += 2;
                EndOfTag(element);
                return true;
            }
            if (!Attribute(element))
                return Unfinished(lastChildBefore);
        }
    }

    bool Attribute(XmlNode& element)
    {
        if (!IsNameStart(text[position]))
            return false;
        const std::string_view name = Name();
        SkipSpaces();
        if (position >= text.size() || text[position] != '=') {
            SetAttribute(element, name, ""); // HTML's <td nowrap>
            return true;
        }
        ++position;
        SkipSpaces();
        if (position >= text.size())
            return false;
        const char quote = text[position];
        std::string_view raw;
        if (quote == '"' || quote == '\'') {
            const auto end = text.find(quote, position + 1);
            if (end == std::string_view::npos)
                return false;
            raw = text.substr(position + 1, end - position - 1);
            position = end + 1;
        } else {
            const std::size_t start = position;
            while (position < text.size() && !IsSpace(text[position]) && text[position] != '>')
                ++position;
            raw = text.substr(start, position - start);
        }
        SetAttribute(element, name, DecodeText(raw));
        return true;
    }

    // A name seen before in the tag takes the new value. A tag of a few
    // attributes is searched at each one; a tag of more has its repeated
    // names merged once it ends, so a great many are read in linear time.
    void SetAttribute(XmlNode& element, std::string_view name, std::string_view value)
    {
        const XmlIndex number = InternName(name);
        XmlProperty* seen = ++attributesInTag <= kSearchedAttributes ? element.AttributeNamed(number) : nullptr;
        if (seen)
            seen->value = store.Copy(value);
        else
            element.AppendAttribute(number, value, lastAttribute);
    }

    void EndOfTag(XmlNode& element) const
    {
        if (attributesInTag > kSearchedAttributes)
            element.MergeRepeatedAttributes();
    }

    // A name in UTF-16, in a buffer of the parser's: names are nearly always
    // ASCII and are read at every tag.
    std::u16string_view Wide(std::string_view name)
    {
        if (IsAscii(name))
            nameBuffer.assign(name.begin(), name.end());
        else
            nameBuffer = Utf8ToUtf16(name);
        return nameBuffer;
    }

    // Names repeat tag after tag: the numbers of the last ones seen are kept
    // by their bytes, which saves widening and hashing them again.
    XmlIndex InternName(std::string_view name)
    {
        std::size_t hash = name.size();
        for (const char c : name)
            hash = hash * 31 + static_cast<unsigned char>(c);
        RecentName& recent = recentNames[hash % kRecentNames];
        if (recent.known && recent.bytes == name)
            return recent.number;
        recent = {name, store.Intern(Wide(name)), true};
        return recent.number;
    }

    struct RecentName {
        std::string_view bytes;
        XmlIndex number = 0;
        bool known = false;
    };
    static constexpr std::size_t kRecentNames = 64;

    std::string_view text;
    XmlStore& store;
    RecentName recentNames[kRecentNames];
    std::u16string nameBuffer;
    std::string valid;
    std::string decoded;
    std::size_t position = 0;
    // The document node and the elements open inside it, innermost last.
    std::vector<OpenElement> open;
    int attributesInTag = 0;
    XmlIndex lastAttribute = 0;
};

} // namespace

std::string_view XmlBytesAsUtf8(std::string_view bytes, std::string& converted)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 2 && ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))) {
        const bool littleEndian = byte(0) == 0xFF;
        std::u16string text;
        text.reserve(bytes.size() / 2);
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            text.push_back(
                static_cast<char16_t>(littleEndian ? byte(i) | byte(i + 1) << 8 : byte(i) << 8 | byte(i + 1)));
        converted = Utf16ToUtf8(text);
        return converted;
    }
    if (bytes.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF)
        bytes.remove_prefix(3);
    return bytes;
}

bool ParseXml(std::string_view text, XmlStore& document)
{
    Parser parser(text, document);
    const bool whole = parser.Run();
    // What was read of elements left open (a file cut short) stays.
    parser.CloseAbove(0);
    return whole;
}
