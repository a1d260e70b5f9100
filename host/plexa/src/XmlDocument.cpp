// Host XML documents: the document object, its loading through the parser
// and its saving as UTF-8 markup.
#include <algorithm>
#include <climits>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "common/Utf8.h"
#include "host/plexa/src/StreamBase.h"
#include "host/plexa/src/XmlNode.h"
#include "host/plexa/src/XmlParser.h"
#include "plexa/jx_STREAM.h"

namespace {

// Documents larger than this are not read: far beyond any palette or catalog.
constexpr std::size_t kMaxDocumentBytes = 64u << 20;

void AppendEscaped(std::string& out, std::string_view text, bool attribute)
{
    for (const char c : text) {
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
    const std::string name = Utf16ToUtf8(node.Name());
    AppendEscaped(out, name, false);
    node.ForEachAttribute([&](const char16_t* attributeName, const char* value) {
        out += ' ';
        AppendEscaped(out, Utf16ToUtf8(attributeName), false);
        out += "=\"";
        AppendEscaped(out, value, true);
        out += '"';
    });
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
    AppendEscaped(out, name, false);
    out += '>';
    if (indent)
        out += '\n';
}

// The stream's bytes from its position to its end, in memory of their
// exact size: each byte is touched once, and the parse's peak is the bytes
// and the tree. Read at once where the stream tells its size, else in
// blocks put together at the end. False beyond kMaxDocumentBytes.
bool ReadWhole(jx_STREAM* stream, std::unique_ptr<char[]>& bytes, std::size_t& size)
{
    constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
    auto* known = dynamic_cast<StreamBase*>(stream);
    const long long left = known ? known->BytesLeft() : -1;
    if (left > static_cast<long long>(kMaxDocumentBytes))
        return false;
    // One more byte than expected, to learn that the stream ended there.
    std::size_t blockBytes = left >= 0 ? static_cast<std::size_t>(left) + 1 : kBlockBytes;
    std::vector<std::unique_ptr<char[]>> blocks;
    std::vector<std::size_t> filled;
    size = 0;
    for (bool full = true; full; blockBytes = kBlockBytes) {
        blocks.push_back(std::make_unique_for_overwrite<char[]>(blockBytes));
        std::size_t read = 0;
        for (int got = 1; read < blockBytes && got > 0; read += static_cast<std::size_t>(std::max(got, 0)))
            got = stream->Read(blocks.back().get() + read,
                               static_cast<int>(std::min<std::size_t>(blockBytes - read, INT_MAX)));
        filled.push_back(read);
        size += read;
        if (size > kMaxDocumentBytes)
            return false;
        full = read == blockBytes;
    }
    if (blocks.size() == 1) {
        bytes = std::move(blocks.front());
        return true;
    }
    bytes = std::make_unique_for_overwrite<char[]>(size);
    std::size_t at = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        std::copy_n(blocks[i].get(), filled[i], bytes.get() + at);
        at += filled[i];
        blocks[i].reset();
    }
    return true;
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
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        if (!ReadWhole(stream, bytes, size))
            return false;
        std::string converted;
        return ParseXml(XmlBytesAsUtf8(std::string_view(bytes.get(), size), converted), store);
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
