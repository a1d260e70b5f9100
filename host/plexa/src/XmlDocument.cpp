// Host XML documents: the document object, its loading through the parser
// and its saving as UTF-8 markup.
#include <new>
#include <string>

#include "common/Utf8.h"
#include "host/plexa/src/XmlNode.h"
#include "host/plexa/src/XmlParser.h"
#include "plexa/jx_STREAM.h"

namespace {

// Documents larger than this are not read: far beyond any palette or catalog.
constexpr std::size_t kMaxDocumentBytes = 64u << 20;

void AppendEscaped(std::string& out, std::u16string_view text, bool attribute)
{
    for (const char c : Utf16ToUtf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += attribute ? "&quot;" : "\"";
            break;
        default:
            out.push_back(c);
        }
    }
}

// Elements are always written with an end tag (<td></td>, never <td/>), so
// browsers read the markup as the same tree.
void AppendElement(std::string& out, const XmlNode& node, int level, bool indent)
{
    if (indent)
        out.append(static_cast<std::size_t>(2 * level), ' ');
    out += '<';
    AppendEscaped(out, node.Name(), false);
    for (const XmlAttributeRecord* attribute = node.FirstAttribute(); attribute; attribute = attribute->next) {
        out += ' ';
        AppendEscaped(out, attribute->name, false);
        out += "=\"";
        AppendEscaped(out, attribute->value, true);
        out += '"';
    }
    out += '>';
    AppendEscaped(out, node.OwnText(), false);
    if (node.First()) {
        if (indent)
            out += '\n';
        for (const XmlNode* child = node.First(); child; child = child->Next())
            AppendElement(out, *child, level + 1, indent);
        if (indent)
            out.append(static_cast<std::size_t>(2 * level), ' ');
    }
    out += "</";
    AppendEscaped(out, node.Name(), false);
    out += '>';
    if (indent)
        out += '\n';
}

class XmlDocument final : public jx_XMLDOCUMENT {
public:
    XmlDocument(jx_TEXTLOOKUP lookup, void* context) : root(store.Root())
    {
        store.lookup = lookup;
        store.lookupContext = context;
    }

    void Delete() override { delete this; }

    int Kind() const override { return root.Kind(); }
    const char16_t* Name() const override { return root.Name(); }
    jx_XMLNODE* FirstChild() const override { return root.FirstChild(); }
    jx_XMLNODE* NextSibling() const override { return nullptr; }
    void SetAttribute(const char16_t*, const char16_t*) override {}
    jx_XMLNODE* AddChild(const char16_t* name) override { return root.AddChild(name); }
    const jx_XMLATTRIBUTE* GetAttribute(const char16_t*) override { return nullptr; }
    jx_XMLNODE* FindChild(const char16_t* name, const jx_XMLNODE* after) override
    {
        return root.FindChild(name, after);
    }
    jx_STRING& Text() override { return root.Text(); }

    bool Load(jx_STREAM* stream) override
    {
        store.Clear();
        outOfMemory = false;
        if (!stream)
            return false;
        try {
            return Read(stream);
        } catch (const std::bad_alloc&) {
            store.Clear();
            outOfMemory = true;
            return false;
        }
    }

    bool LoadRanOutOfMemory() const override { return outOfMemory; }

    bool Read(jx_STREAM* stream)
    {
        std::string bytes;
        char chunk[8192];
        for (int read; (read = stream->Read(chunk, sizeof chunk)) > 0;) {
            if (bytes.size() + static_cast<std::size_t>(read) > kMaxDocumentBytes)
                return false;
            bytes.append(chunk, static_cast<std::size_t>(read));
        }
        const std::u16string text = DecodeXmlBytes(bytes);
        // The bytes go before the tree is built, so the peak is the text and the tree.
        std::string().swap(bytes);
        return ParseXml(text, store);
    }

    bool Save(jx_STREAM* stream, int flags) override
    {
        if (!stream)
            return false;
        try {
            return Write(stream, flags);
        } catch (const std::bad_alloc&) {
            return false;
        }
    }

    bool Write(jx_STREAM* stream, int flags)
    {
        // A tree built without all it was given would write a wrong page.
        if (store.incomplete)
            return false;
        const bool indent = flags & kXmlSaveIndent;
        std::string out;
        if (flags & kXmlSaveDeclaration)
            out +=
                indent ? "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" : "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
        for (const XmlNode* child = root.First(); child; child = child->Next())
            AppendElement(out, *child, 0, indent);
        return stream->Write(out.data(), static_cast<int>(out.size())) == static_cast<int>(out.size());
    }

    void BindModule(std::uint32_t texts) override
    {
        store.texts = texts;
        store.bound = true;
    }

private:
    ~XmlDocument() = default;

    XmlStore store;
    XmlNode& root;
    bool outOfMemory = false;
};

} // namespace

jx_XMLDOCUMENT* CreateXmlDocument(jx_TEXTLOOKUP textLookup, void* lookupContext)
{
    return new XmlDocument(textLookup, lookupContext);
}
