#include "host/plexa/src/XmlNode.h"

#include "common/AsciiText.h"
#include "host/plexa/src/TextTable.h"

XmlNode::XmlNode(int nodeKind, const char16_t* nodeName, XmlNode* parentNode, int position)
    : kind(nodeKind), name(nodeName), parent(parentNode), index(position)
{
}

XmlNode::~XmlNode() = default;

jx_XMLNODE* XmlNode::FirstChild() const { return children.empty() ? nullptr : children.front().get(); }

jx_XMLNODE* XmlNode::NextSibling() const
{
    if (!parent || index + 1 >= static_cast<int>(parent->children.size()))
        return nullptr;
    return parent->children[static_cast<std::size_t>(index) + 1].get();
}

void XmlNode::SetAttribute(const char16_t* attributeName, const char16_t* value)
{
    if (!attributeName || !*attributeName)
        return;
    for (auto& attribute : attributes) {
        if (attribute->name.Compare(attributeName) == 0) {
            attribute->value.Set(value);
            return;
        }
    }
    auto attribute = std::make_unique<jx_XMLATTRIBUTE>();
    attribute->name.Set(attributeName);
    attribute->value.Set(value);
    attributes.push_back(std::move(attribute));
}

XmlNode* XmlNode::AddElement(const char16_t* elementName)
{
    children.push_back(
        std::make_unique<XmlNode>(kXmlElementNode, elementName, this, static_cast<int>(children.size())));
    return children.back().get();
}

jx_XMLNODE* XmlNode::AddChild(const char16_t* elementName)
{
    return elementName && *elementName ? AddElement(elementName) : nullptr;
}

void XmlNode::RemoveLastChild()
{
    if (!children.empty())
        children.pop_back();
}

const jx_XMLATTRIBUTE* XmlNode::FindAttribute(const char16_t* attributeName) const
{
    if (!attributeName)
        return nullptr;
    for (const auto& attribute : attributes)
        if (attribute->name.Compare(attributeName) == 0)
            return attribute.get();
    for (const auto& attribute : attributes)
        if (EqualsIgnoringAsciiCase<char16_t>(attribute->name.GetBuffer(), attributeName))
            return attribute.get();
    return nullptr;
}

const jx_XMLATTRIBUTE* XmlNode::GetAttribute(const char16_t* attributeName)
{
    const jx_XMLATTRIBUTE* found = FindAttribute(attributeName);
    if (!found)
        return nullptr;
    XmlNode* root = this;
    while (root->parent)
        root = root->parent;
    Binding* bound = root->binding.get();
    const int id = PlaceholderTextId(found->value.GetBuffer());
    if (!bound || !bound->bound || !bound->lookup || id < 0)
        return found;
    const char16_t* localized = bound->lookup(bound->context, bound->texts, id);
    if (!localized)
        return found;
    bound->resolved.name = found->name;
    bound->resolved.value.Set(localized);
    return &bound->resolved;
}

jx_XMLNODE* XmlNode::FindChild(const char16_t* childName, const jx_XMLNODE* after)
{
    std::size_t start = 0;
    if (after) {
        const auto* afterNode = static_cast<const XmlNode*>(after);
        if (afterNode->parent != this)
            return nullptr;
        start = static_cast<std::size_t>(afterNode->index) + 1;
    }
    for (std::size_t i = start; i < children.size(); ++i)
        if (children[i]->kind == kXmlElementNode && children[i]->name.Compare(childName) == 0)
            return children[i].get();
    return nullptr;
}

void XmlNode::Clear()
{
    children.clear();
    attributes.clear();
    text.Set(nullptr);
}

void XmlNode::SetTextLookup(jx_TEXTLOOKUP lookup, void* context)
{
    if (!binding)
        binding = std::make_unique<Binding>();
    binding->lookup = lookup;
    binding->context = context;
}

void XmlNode::BindTexts(std::uint32_t texts)
{
    if (!binding)
        binding = std::make_unique<Binding>();
    binding->texts = texts;
    binding->bound = true;
}
