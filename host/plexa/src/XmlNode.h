// The elements (and the document node) of host XML documents.
#pragma once

#include <memory>
#include <vector>

#include "plexa/jx_XML.h"

class XmlNode final : public jx_XMLNODE {
public:
    XmlNode(int kind, const char16_t* name, XmlNode* parent, int index);
    ~XmlNode();

    int Kind() const override { return kind; }
    const char16_t* Name() const override { return name.GetBuffer(); }
    jx_XMLNODE* FirstChild() const override;
    jx_XMLNODE* NextSibling() const override;
    void SetAttribute(const char16_t* name, const char16_t* value) override;
    jx_XMLNODE* AddChild(const char16_t* name) override;
    const jx_XMLATTRIBUTE* GetAttribute(const char16_t* name) override;
    jx_XMLNODE* FindChild(const char16_t* name, const jx_XMLNODE* after) override;
    jx_STRING& Text() override { return text; }
    const jx_STRING& OwnText() const { return text; }

    XmlNode* Parent() const { return parent; }
    XmlNode* AddElement(const char16_t* elementName);
    // Takes back the last element added, as if it had never been.
    void RemoveLastChild();
    const std::vector<std::unique_ptr<jx_XMLATTRIBUTE>>& Attributes() const { return attributes; }
    const std::vector<std::unique_ptr<XmlNode>>& Children() const { return children; }
    void Clear();
    // On the document node: where "#N" attribute values are looked up, and
    // the module texts they are looked up in once bound.
    void SetTextLookup(jx_TEXTLOOKUP lookup, void* context);
    void BindTexts(std::uint32_t texts);

private:
    // The attribute of exactly that name, else the first of that name in
    // any ASCII case, else null.
    const jx_XMLATTRIBUTE* FindAttribute(const char16_t* attributeName) const;

    int kind;
    jx_STRING name;
    XmlNode* parent;
    int index;
    jx_STRING text;
    std::vector<std::unique_ptr<jx_XMLATTRIBUTE>> attributes;
    std::vector<std::unique_ptr<XmlNode>> children;
    // Set on the document node only; elements ask their root.
    struct Binding {
        jx_TEXTLOOKUP lookup = nullptr;
        void* context = nullptr;
        std::uint32_t texts = 0;
        bool bound = false;
        jx_XMLATTRIBUTE resolved;
    };
    std::unique_ptr<Binding> binding;
};
