// The elements (and the document node) of host XML documents. A document
// keeps its tree in one store of compact records, so that a page of many
// tiny elements costs a few times its size and no allocation per element:
// - an element is its table of operations and four 32-bit links (its name,
//   first child, next sibling and first property): 24 bytes on 64-bit
//   Windows and Linux. Elements live in aligned chunks whose header leads
//   back to the store, so an element needs no pointer of its own to it;
// - attributes and an element's text are 12-byte property records (three
//   32-bit links: value, name, next); the text is the property with the
//   empty name;
// - names, of elements and attributes, are interned: each distinct name is
//   kept once and compared as a number;
// - values and texts are kept in UTF-8, as most documents are written,
//   copied into blocks of text and known by their 32-bit place there.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/plexa/src/XmlTextArena.h"
#include "plexa/jx_XML.h"

class XmlNode;
class XmlStore;

// A link between records: an index into the store's table of that kind; 0
// is none (index 0 of the elements is the document node, which is no one's
// child or sibling, and property 0 is never used).
using XmlIndex = std::uint32_t;

struct XmlProperty {
    XmlIndex value;
    XmlIndex name;
    XmlIndex next;
};

// Distinct names, each kept once and known by its number; number 0 is the
// empty name. An open-addressed table of numbers: a few bytes per name
// beyond its text, also for a hostile tag of a million different names.
class XmlNameTable {
public:
    XmlNameTable();
    // The name's number, added when new.
    XmlIndex Intern(std::u16string_view name, XmlStore& store);
    // The name's number, or false when no record of the document has it.
    bool Find(std::u16string_view name, XmlIndex& number) const;
    const char16_t* Text(XmlIndex number) const { return texts[number]; }
    void Clear();

private:
    std::size_t SlotOf(std::u16string_view name) const;
    void Grow();

    std::vector<const char16_t*> texts;
    std::vector<std::uint32_t> lengths;
    // Name number + 1 per slot, 0 for a free slot; a power of two in size.
    std::vector<XmlIndex> slots;
};

class XmlStore {
public:
    XmlStore();
    ~XmlStore();
    XmlStore(const XmlStore&) = delete;
    XmlStore& operator=(const XmlStore&) = delete;

    XmlNode& Root() { return *Node(0); }
    XmlNode* Node(XmlIndex index) const;
    XmlIndex IndexOf(const XmlNode& node) const;
    XmlProperty& Property(XmlIndex index)
    {
        return properties[index / kPropertiesPerBlock][index % kPropertiesPerBlock];
    }
    // Values and texts, in UTF-8: a copy that lives as long as the store's
    // content, known by its place; place 0 is the empty text.
    XmlIndex Copy(std::string_view text) { return values.Copy(text); }
    const char* TextAt(XmlIndex place) const { return values.At(place); }
    // A name's lasting copy.
    const char16_t* CopyName(std::u16string_view name) { return names16.At(names16.Copy(name)); }
    XmlIndex Intern(std::u16string_view name) { return names.Intern(name, *this); }
    bool FindName(std::u16string_view name, XmlIndex& number) const { return names.Find(name, number); }
    const char16_t* NameText(XmlIndex number) const { return names.Text(number); }
    // A new element, linked to no parent yet.
    XmlNode& NewElement(XmlIndex name);
    // Drops the element made last (a tag cut off before its end); whoever
    // linked it in unlinks it.
    void DropLastElement();
    XmlIndex NewProperty(XmlIndex name, XmlIndex value, XmlIndex next);
    // The string an element's text became when Text() was asked for (its
    // holder may change it); null while the text is only in the store.
    jx_STRING* StringOf(const XmlNode& node) const;
    jx_STRING* MakeString(const XmlNode& node, std::string_view text);
    // A value in UTF-16, in a buffer of the store's that the next call reuses.
    const char16_t* Wide(std::string_view text);
    // Appends a child to an element: quick when the same element was given
    // its last child here before, as a writer building a table does.
    void AppendChild(XmlNode& parent, XmlNode& child);
    // Everything but the document node goes.
    void Clear();

    // Set when a change through the document's interface found no memory:
    // the tree is not what its maker built, and it is not saved.
    bool incomplete = false;
    // What Text() answers when an element's text cannot be made.
    jx_STRING lostText;
    // The attribute GetAttribute answers with: one per document, valid until
    // the next lookup.
    jx_XMLATTRIBUTE answer;
    // Where "#N" attribute values are looked up, once bound.
    jx_TEXTLOOKUP lookup = nullptr;
    void* lookupContext = nullptr;
    std::uint32_t texts = 0;
    bool bound = false;

private:
    static constexpr XmlIndex kPropertiesPerBlock = 4096;
    struct ChunkDeleter {
        void operator()(unsigned char* chunk) const;
    };
    using Chunk = std::unique_ptr<unsigned char, ChunkDeleter>;

    void AddChunk();

    std::vector<Chunk> chunks;
    XmlIndex nodeCount = 0;
    std::vector<std::unique_ptr<XmlProperty[]>> properties;
    XmlIndex propertyCount = 0;
    XmlNameTable names;
    XmlTextArena<char> values;
    XmlTextArena<char16_t> names16;
    std::u16string wide;
    std::unordered_map<XmlIndex, std::unique_ptr<jx_STRING>> strings;
    // The element given a child last through AppendChild, and that child.
    XmlIndex appendedTo = 0;
    XmlIndex appended = 0;
};

class XmlNode final : public jx_XMLNODE {
public:
    explicit XmlNode(XmlIndex nodeName) : name(nodeName) {}
    XmlNode(const XmlNode&) = delete;
    XmlNode& operator=(const XmlNode&) = delete;

    int Kind() const override { return name == 0 ? kXmlDocumentNode : kXmlElementNode; }
    const char16_t* Name() const override;
    jx_XMLNODE* FirstChild() const override { return First(); }
    jx_XMLNODE* NextSibling() const override { return Next(); }
    void SetAttribute(const char16_t* name, const char16_t* value) override;
    jx_XMLNODE* AddChild(const char16_t* name) override;
    const jx_XMLATTRIBUTE* GetAttribute(const char16_t* name) override;
    jx_XMLNODE* FindChild(const char16_t* name, const jx_XMLNODE* after) override;
    jx_STRING& Text() override;

    XmlStore& Store() const;
    XmlIndex NameNumber() const { return name; }
    XmlNode* First() const;
    XmlNode* Next() const;
    // Visits the name (UTF-16) and value (UTF-8) of each attribute in order.
    template <typename Visit> void ForEachAttribute(Visit visit) const;
    // The element's text in UTF-8; empty when it has none.
    std::string OwnText() const;
    // The parser's text (UTF-8), once the element has been read whole.
    void SetText(std::string_view ownText);
    // The attribute of exactly that name, or null.
    XmlProperty* AttributeNamed(XmlIndex attributeName) const;
    // Adds an attribute (its value in UTF-8) without looking for one of
    // that name (the parser knows the names it has seen) after `last`, the
    // element's last attribute or 0 for none, and makes it the last.
    void AppendAttribute(XmlIndex attributeName, std::string_view value, XmlIndex& last);
    // Of attributes of one name, the first keeps its place and takes the
    // last one's value; the others go.
    void MergeRepeatedAttributes();
    // Links: the parser keeps the last child of each open element itself.
    void LinkFirstChild(XmlIndex child) { firstChild = child; }
    void LinkNext(XmlIndex sibling) { next = sibling; }
    // Drops every child, attribute and text (of the document node).
    void Reset() { firstChild = next = firstProperty = 0; }

private:
    // The element's text property, or null.
    XmlProperty* TextProperty() const;
    // The attribute of exactly that name, else the first of that name in
    // any ASCII case, else null.
    const XmlProperty* FindAttribute(const char16_t* attributeName) const;
    void Replace(const char16_t* attributeName, const char16_t* value);

    XmlIndex name;
    XmlIndex firstChild = 0;
    XmlIndex next = 0;
    XmlIndex firstProperty = 0;
};

template <typename Visit> void XmlNode::ForEachAttribute(Visit visit) const
{
    XmlStore& store = Store();
    for (XmlIndex at = firstProperty; at != 0;) {
        const XmlProperty& property = store.Property(at);
        if (property.name != 0)
            visit(store.NameText(property.name), store.TextAt(property.value));
        at = property.next;
    }
}
