// The elements (and the document node) of host XML documents. A document
// keeps its nodes, attributes and texts in one store: nodes and attribute
// records in blocks, element and attribute names once each, values in an
// arena, so that a large page costs a small multiple of its size instead of
// several allocations per element.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "plexa/jx_XML.h"

class XmlNode;

struct XmlAttributeRecord {
    const char16_t* name;
    const char16_t* value;
    XmlAttributeRecord* next;
};

class XmlStore {
public:
    XmlStore();
    XmlStore(const XmlStore&) = delete;
    XmlStore& operator=(const XmlStore&) = delete;

    XmlNode& Root() { return *root; }
    // A zero-terminated copy that lives as long as the store's content.
    const char16_t* Copy(std::u16string_view text);
    // One copy per distinct name.
    const char16_t* Intern(std::u16string_view name);
    XmlNode* NewElement(std::u16string_view name, XmlNode* parent);
    // Drops the element made last (a tag cut off before its end).
    void DropLastElement();
    XmlAttributeRecord* NewAttribute(const char16_t* name, const char16_t* value);
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
    std::unique_ptr<XmlNode> root;
    std::deque<XmlNode> elements;
    std::deque<XmlAttributeRecord> attributes;
    std::vector<std::unique_ptr<char16_t[]>> blocks;
    // Texts too long to share a block.
    std::vector<std::unique_ptr<char16_t[]>> large;
    std::size_t blockUsed = 0;
    std::size_t blockSize = 0;
    std::unordered_map<std::u16string_view, const char16_t*> names;
};

class XmlNode final : public jx_XMLNODE {
public:
    XmlNode(XmlStore& store, int kind, const char16_t* name, XmlNode* parent);
    ~XmlNode();
    XmlNode(const XmlNode&) = delete;
    XmlNode& operator=(const XmlNode&) = delete;

    int Kind() const override { return kind; }
    const char16_t* Name() const override { return name; }
    jx_XMLNODE* FirstChild() const override { return firstChild; }
    jx_XMLNODE* NextSibling() const override { return next; }
    void SetAttribute(const char16_t* name, const char16_t* value) override;
    jx_XMLNODE* AddChild(const char16_t* name) override;
    const jx_XMLATTRIBUTE* GetAttribute(const char16_t* name) override;
    jx_XMLNODE* FindChild(const char16_t* name, const jx_XMLNODE* after) override;
    jx_STRING& Text() override;

    XmlNode* Parent() const { return parent; }
    XmlNode* First() const { return firstChild; }
    XmlNode* Next() const { return next; }
    const XmlAttributeRecord* FirstAttribute() const { return firstAttribute; }
    // Empty when the element has no text.
    const char16_t* OwnText() const;
    // The parser's text: a first chunk is kept in the store; only an
    // element whose text comes in several chunks gets a string of its own.
    void AddText(std::u16string_view chunk);
    // The attribute of exactly that name, or null.
    XmlAttributeRecord* AttributeNamed(std::u16string_view attributeName) const;
    // Adds an attribute without looking for one of that name: the parser
    // knows the names it has seen.
    void AppendAttribute(std::u16string_view name, std::u16string_view value);
    // Of attributes of one name, the first keeps its place and takes the
    // last one's value; the others go.
    void MergeRepeatedAttributes();
    void AppendChild(XmlNode* child);
    void RemoveLastChild();
    void ClearChildren();

private:
    // The attribute of exactly that name, else the first of that name in
    // any ASCII case, else null.
    const XmlAttributeRecord* FindAttribute(const char16_t* attributeName) const;
    void Append(XmlAttributeRecord* attribute);
    void Replace(const char16_t* attributeName, const char16_t* value);

    XmlStore& store;
    const char16_t* name;
    XmlNode* parent;
    XmlNode* firstChild = nullptr;
    XmlNode* lastChild = nullptr;
    XmlNode* next = nullptr;
    XmlAttributeRecord* firstAttribute = nullptr;
    XmlAttributeRecord* lastAttribute = nullptr;
    // The text while it is one chunk in the store, or null.
    const char16_t* storedText = nullptr;
    // Made for a second chunk or when Text() is asked for.
    std::unique_ptr<jx_STRING> text;
    int kind;
};
