#include "host/plexa/src/XmlParser.h"

#include <string>

#include "common/AsciiText.h"
#include "common/Utf8.h"
#include "host/plexa/src/XmlNode.h"

namespace {

// "#x10FFFF" and its ';' fit in this many units; "&" to ";" spans at most 12.
constexpr std::size_t kLongestReference = 12;

// Tags with fewer attributes are searched for a name instead of hashing it.
constexpr int kSearchedAttributes = 16;

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

bool IsNameStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u':' || c >= 0x80;
}

bool IsNameChar(char16_t c) { return IsNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.'; }

// The character a reference "&...;" stands for, or false to keep it as written.
bool DecodeReference(std::u16string_view reference, std::u16string& out)
{
    if (reference == u"lt")
        out.push_back(u'<');
    else if (reference == u"gt")
        out.push_back(u'>');
    else if (reference == u"amp")
        out.push_back(u'&');
    else if (reference == u"quot")
        out.push_back(u'"');
    else if (reference == u"apos")
        out.push_back(u'\'');
    else if (reference.size() > 1 && reference[0] == u'#') {
        const bool hex = reference[1] == u'x' || reference[1] == u'X';
        const std::u16string_view digits = reference.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8)
            return false;
        char32_t c = 0;
        for (const char16_t d : digits) {
            const int value = hex ? HexDigitValue(d) : (d >= u'0' && d <= u'9' ? d - u'0' : -1);
            if (value < 0)
                return false;
            c = c * (hex ? 16 : 10) + static_cast<char32_t>(value);
        }
        if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
            return false;
        AppendUtf16(out, c);
    } else {
        return false;
    }
    return true;
}

std::u16string DecodeText(std::u16string_view raw)
{
    std::u16string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'&') {
            // The ';' is looked for only as far as the longest reference
            // reaches, so text full of '&' stays linear.
            const auto end = raw.substr(i + 1, kLongestReference).find(u';');
            if (end != std::u16string_view::npos && DecodeReference(raw.substr(i + 1, end), out)) {
                i += end + 1;
                continue;
            }
        }
        out.push_back(raw[i]);
    }
    return out;
}

class Parser {
public:
    Parser(std::u16string_view text, XmlStore& store) : text(text), store(store), current(&store.Root()) {}

    bool Run()
    {
        while (position < text.size()) {
            const auto open = text.find(u'<', position);
            const std::u16string_view raw =
                text.substr(position, open == std::u16string_view::npos ? std::u16string_view::npos : open - position);
            AddText(DecodeText(raw));
            if (open == std::u16string_view::npos)
                return true;
            position = open;
            if (!Markup())
                return false;
        }
        return true;
    }

private:
    void AddText(const std::u16string& chunk)
    {
        // Text outside every element (the rest of a page around a table) is ignored.
        if (!chunk.empty() && current->Kind() == kXmlElementNode)
            current->AddText(chunk);
    }

    bool StartsWith(std::u16string_view prefix) const { return text.substr(position, prefix.size()) == prefix; }

    // Moves past `terminator`; false when it never comes.
    bool SkipPast(std::u16string_view terminator)
    {
        const auto end = text.find(terminator, position);
        if (end == std::u16string_view::npos)
            return false;
        position = end + terminator.size();
        return true;
    }

    bool Markup()
    {
        if (StartsWith(u"<!--"))
            return SkipPast(u"-->");
        if (StartsWith(u"<![CDATA[")) {
            const std::size_t start = position + 9;
            const auto end = text.find(u"]]>", start);
            if (end == std::u16string_view::npos)
                return false;
            AddText(std::u16string(text.substr(start, end - start)));
            position = end + 3;
            return true;
        }
        if (StartsWith(u"<?"))
            return SkipPast(u"?>");
        if (StartsWith(u"<!"))
            return SkipDeclaration();
        if (StartsWith(u"</"))
            return EndTag();
        if (position + 1 < text.size() && IsNameStart(text[position + 1]))
            return StartTag();
        // A '<' that starts no markup ("a < b") is text.
        AddText(u"<");
        ++position;
        return true;
    }

    // <!DOCTYPE ...> and the like, with an internal subset in brackets. Its
    // declarations are skipped unread: no entity is ever defined or expanded.
    bool SkipDeclaration()
    {
        int brackets = 0;
        for (std::size_t i = position + 2; i < text.size(); ++i) {
            if (text[i] == u'[')
                ++brackets;
            else if (text[i] == u']')
                --brackets;
            else if (text[i] == u'>' && brackets <= 0) {
                position = i + 1;
                return true;
            }
        }
        return false;
    }

    std::u16string_view Name()
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
        const std::u16string name(Name());
        SkipSpaces();
        if (position >= text.size() || text[position] != u'>')
            return false;
        ++position;
        // Close up to the matching element; an end tag that matches no open
        // element is ignored.
        for (XmlNode* node = current; node && node->Kind() == kXmlElementNode; node = node->Parent()) {
            if (node->Name() == name) {
                // Every element left open inside it (a <br> never closed) is
                // closed with it.
                depth -= DepthOf(current, node->Parent());
                current = node->Parent();
                return true;
            }
        }
        return true;
    }

    static int DepthOf(const XmlNode* node, const XmlNode* ancestor)
    {
        int levels = 0;
        for (; node != ancestor; node = node->Parent())
            ++levels;
        return levels;
    }

    bool StartTag()
    {
        ++position;
        if (depth >= kMaxXmlDepth)
            return false;
        XmlNode* element = store.NewElement(Name(), current);
        attributesInTag = 0;
        // A tag cut off before its end (a file cut short by a full disk)
        // adds no element: the parse keeps only what was read whole.
        const auto unfinished = [this] {
            store.DropLastElement();
            return false;
        };
        for (;;) {
            SkipSpaces();
            if (position >= text.size())
                return unfinished();
            if (text[position] == u'>') {
                ++position;
                EndOfTag(*element);
                current = element;
                ++depth;
                return true;
            }
            if (StartsWith(u"/>")) {
                position += 2;
                EndOfTag(*element);
                return true;
            }
            if (!Attribute(*element))
                return unfinished();
        }
    }

    bool Attribute(XmlNode& element)
    {
        if (!IsNameStart(text[position]))
            return false;
        const std::u16string_view name = Name();
        SkipSpaces();
        if (position >= text.size() || text[position] != u'=') {
            SetAttribute(element, name, u""); // HTML's <td nowrap>
            return true;
        }
        ++position;
        SkipSpaces();
        if (position >= text.size())
            return false;
        const char16_t quote = text[position];
        std::u16string_view raw;
        if (quote == u'"' || quote == u'\'') {
            const auto end = text.find(quote, position + 1);
            if (end == std::u16string_view::npos)
                return false;
            raw = text.substr(position + 1, end - position - 1);
            position = end + 1;
        } else {
            const std::size_t start = position;
            while (position < text.size() && !IsSpace(text[position]) && text[position] != u'>')
                ++position;
            raw = text.substr(start, position - start);
        }
        SetAttribute(element, name, DecodeText(raw));
        return true;
    }

    // A name seen before in the tag takes the new value. A tag of a few
    // attributes is searched at each one; a tag of more has its repeated
    // names merged once it ends, so a great many are read in linear time.
    void SetAttribute(XmlNode& element, std::u16string_view name, std::u16string_view value)
    {
        if (++attributesInTag <= kSearchedAttributes && element.AttributeNamed(name))
            element.SetAttribute(std::u16string(name).c_str(), std::u16string(value).c_str());
        else
            element.AppendAttribute(name, value);
    }

    void EndOfTag(XmlNode& element) const
    {
        if (attributesInTag > kSearchedAttributes)
            element.MergeRepeatedAttributes();
    }

    std::u16string_view text;
    XmlStore& store;
    std::size_t position = 0;
    XmlNode* current;
    int attributesInTag = 0;
    int depth = 0;
};

} // namespace

std::u16string DecodeXmlBytes(std::string_view bytes)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 2 && ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))) {
        const bool littleEndian = byte(0) == 0xFF;
        std::u16string text;
        text.reserve(bytes.size() / 2);
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            text.push_back(
                static_cast<char16_t>(littleEndian ? byte(i) | byte(i + 1) << 8 : byte(i) << 8 | byte(i + 1)));
        return text;
    }
    if (bytes.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF)
        bytes.remove_prefix(3);
    return Utf8ToUtf16(bytes);
}

bool ParseXml(std::u16string_view text, XmlStore& document) { return Parser(text, document).Run(); }
