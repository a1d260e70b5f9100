// The host's XML document ("ZQXMLDOCUMENT"): a tree of elements with
// attributes and text, loaded from and saved to host streams.
#pragma once

#include <cstdint>

#include "plexa/jx_STRING.h"
#include "plexa/jx_interface.h"

class jx_STREAM;

constexpr int kXmlElementNode = 6;
constexpr int kXmlDocumentNode = 9;

// Save flags.
constexpr int kXmlSaveDeclaration = 1;
constexpr int kXmlSaveIndent = 2;

struct jx_XMLATTRIBUTE {
    jx_STRING name;
    jx_STRING value;
};

class jx_XMLNODE {
public:
    virtual int Kind() const = 0;
    // The element's name; empty for the document.
    virtual const char16_t* Name() const = 0;
    virtual jx_XMLNODE* FirstChild() const = 0;
    virtual jx_XMLNODE* NextSibling() const = 0;
    // Replaces the value of an attribute of that name, or adds one at the end.
    virtual void SetAttribute(const char16_t* name, const char16_t* value) = 0;
    // Appends a new element and returns it (owned by this node); null when
    // there is no memory for it.
    virtual jx_XMLNODE* AddChild(const char16_t* name) = 0;
    // Null when there is no such attribute. The name is compared exactly,
    // and only when no attribute has it, without regard to ASCII case (HTML
    // pages write BGCOLOR as often as bgcolor). In a document bound to a
    // module's texts, a value "#N" reads as entry N, also when that entry is
    // empty; such a value is valid until the next GetAttribute call on the
    // document.
    virtual const jx_XMLATTRIBUTE* GetAttribute(const char16_t* name) = 0;
    // The first element child so named after `after` (null: the first one).
    virtual jx_XMLNODE* FindChild(const char16_t* name, const jx_XMLNODE* after) = 0;
    // The element's own character data, without that of its children.
    virtual jx_STRING& Text() = 0;

protected:
    ~jx_XMLNODE() = default;
};

class jx_XMLDOCUMENT : public jx_interface, public jx_XMLNODE {
public:
    // Replaces the document's content by the markup read from the stream's
    // position to its end: UTF-8, or UTF-16 with a byte-order mark. Text
    // outside elements is ignored, DTD entities are never expanded, and
    // malformed markup ends the parse, keeping what was read before it.
    // True when the whole stream parsed.
    virtual bool Load(jx_STREAM* stream) = 0;
    // The last Load stopped because memory ran out; the document is then
    // empty. (No exception leaves the library for a module's code.)
    virtual bool LoadRanOutOfMemory() const = 0;
    // Writes UTF-8 markup; flags: kXmlSaveDeclaration, kXmlSaveIndent.
    virtual bool Save(jx_STREAM* stream, int flags) = 0;
    // Makes attribute values "#N" read as entry N of the module's texts.
    virtual void BindModule(std::uint32_t texts) = 0;

protected:
    ~jx_XMLDOCUMENT() = default;
};

// Looks up entry id of a module's text table; null when there is no entry.
using jx_TEXTLOOKUP = const char16_t* (*)(void* context, std::uint32_t texts, int id);

// A new empty document (one reference, the caller's). textLookup serves
// BindModule; without it, binding changes nothing.
PLEXA_API jx_XMLDOCUMENT* CreateXmlDocument(jx_TEXTLOOKUP textLookup = nullptr, void* lookupContext = nullptr);
