#include "host/plexa/src/XmlNode.h"

#include <algorithm>
#include <new>

#include "common/AsciiText.h"
#include "host/plexa/src/TextTable.h"

namespace {

// Texts go into blocks of this many units; a longer one gets a block of its own.
constexpr std::size_t kBlockUnits = 16384;

std::u16string_view View(const char16_t* text) { return text ? std::u16string_view(text) : std::u16string_view(); }

} // namespace

XmlStore::XmlStore() : root(std::make_unique<XmlNode>(*this, kXmlDocumentNode, u"", nullptr)) {}

const char16_t* XmlStore::Copy(std::u16string_view text)
{
    const std::size_t units = text.size() + 1;
    if (units > kBlockUnits / 4) {
        const auto& copy = large.emplace_back(std::make_unique<char16_t[]>(units));
        std::copy(text.begin(), text.end(), copy.get());
        return copy.get();
    }
    if (blockUsed + units > blockSize) {
        blocks.push_back(std::make_unique<char16_t[]>(kBlockUnits));
        blockSize = kBlockUnits;
        blockUsed = 0;
    }
    char16_t* copy = blocks.back().get() + blockUsed;
    std::copy(text.begin(), text.end(), copy);
    copy[text.size()] = 0;
    blockUsed += units;
    return copy;
}

const char16_t* XmlStore::Intern(std::u16string_view name)
{
    if (const auto found = names.find(name); found != names.end())
        return found->second;
    const char16_t* copy = Copy(name);
    names.emplace(std::u16string_view(copy, name.size()), copy);
    return copy;
}

XmlNode* XmlStore::NewElement(std::u16string_view name, XmlNode* parent)
{
    XmlNode& element = elements.emplace_back(*this, kXmlElementNode, Intern(name), parent);
    parent->AppendChild(&element);
    return &element;
}

void XmlStore::DropLastElement()
{
    if (elements.empty())
        return;
    elements.back().Parent()->RemoveLastChild();
    elements.pop_back();
}

XmlAttributeRecord* XmlStore::NewAttribute(const char16_t* name, const char16_t* value)
{
    return &attributes.emplace_back(XmlAttributeRecord{name, value, nullptr});
}

void XmlStore::Clear()
{
    root->ClearChildren();
    elements.clear();
    attributes.clear();
    names.clear();
    blocks.clear();
    large.clear();
    incomplete = false;
    blockUsed = 0;
    blockSize = 0;
}

XmlNode::XmlNode(XmlStore& owner, int nodeKind, const char16_t* nodeName, XmlNode* parentNode)
    : store(owner), name(nodeName), parent(parentNode), kind(nodeKind)
{
}

XmlNode::~XmlNode() = default;

void XmlNode::AppendChild(XmlNode* child)
{
    (lastChild ? lastChild->next : firstChild) = child;
    lastChild = child;
}

void XmlNode::RemoveLastChild()
{
    if (firstChild == lastChild) {
        firstChild = lastChild = nullptr;
        return;
    }
    XmlNode* before = firstChild;
    while (before->next != lastChild)
        before = before->next;
    before->next = nullptr;
    lastChild = before;
}

void XmlNode::ClearChildren()
{
    firstChild = lastChild = nullptr;
    firstAttribute = lastAttribute = nullptr;
    storedText = nullptr;
    text.reset();
}

void XmlNode::Append(XmlAttributeRecord* attribute)
{
    (lastAttribute ? lastAttribute->next : firstAttribute) = attribute;
    lastAttribute = attribute;
}

void XmlNode::MergeRepeatedAttributes()
{
    std::vector<XmlAttributeRecord*> inOrder;
    for (XmlAttributeRecord* attribute = firstAttribute; attribute; attribute = attribute->next)
        inOrder.push_back(attribute);
    std::vector<XmlAttributeRecord*> byName = inOrder;
    std::stable_sort(byName.begin(), byName.end(),
                     [](const auto* a, const auto* b) { return View(a->name) < View(b->name); });
    for (std::size_t i = 0; i < byName.size();) {
        std::size_t end = i + 1;
        while (end < byName.size() && View(byName[end]->name) == View(byName[i]->name))
            ++end;
        byName[i]->value = byName[end - 1]->value;
        for (std::size_t repeated = i + 1; repeated < end; ++repeated)
            byName[repeated]->name = nullptr;
        i = end;
    }
    firstAttribute = lastAttribute = nullptr;
    for (XmlAttributeRecord* attribute : inOrder) {
        attribute->next = nullptr;
        if (attribute->name)
            Append(attribute);
    }
}

XmlAttributeRecord* XmlNode::AttributeNamed(std::u16string_view attributeName) const
{
    for (XmlAttributeRecord* attribute = firstAttribute; attribute; attribute = attribute->next)
        if (View(attribute->name) == attributeName)
            return attribute;
    return nullptr;
}

// Attribute names are copied, not interned: a tag of many attributes would
// fill the table of names with names used once.
void XmlNode::AppendAttribute(std::u16string_view attributeName, std::u16string_view value)
{
    Append(store.NewAttribute(store.Copy(attributeName), store.Copy(value)));
}

void XmlNode::SetAttribute(const char16_t* attributeName, const char16_t* value)
{
    if (!attributeName || !*attributeName || kind != kXmlElementNode)
        return;
    try {
        Replace(attributeName, value);
    } catch (const std::bad_alloc&) {
        store.incomplete = true;
    }
}

void XmlNode::Replace(const char16_t* attributeName, const char16_t* value)
{
    if (XmlAttributeRecord* attribute = AttributeNamed(View(attributeName))) {
        attribute->value = store.Copy(View(value));
        return;
    }
    AppendAttribute(attributeName, View(value));
}

jx_XMLNODE* XmlNode::AddChild(const char16_t* elementName)
{
    if (!elementName || !*elementName)
        return nullptr;
    try {
        return store.NewElement(elementName, this);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

const XmlAttributeRecord* XmlNode::FindAttribute(const char16_t* attributeName) const
{
    if (!attributeName)
        return nullptr;
    if (const XmlAttributeRecord* exact = AttributeNamed(View(attributeName)))
        return exact;
    for (const XmlAttributeRecord* attribute = firstAttribute; attribute; attribute = attribute->next)
        if (EqualsIgnoringAsciiCase<char16_t>(attribute->name, attributeName))
            return attribute;
    return nullptr;
}

const jx_XMLATTRIBUTE* XmlNode::GetAttribute(const char16_t* attributeName)
{
    const XmlAttributeRecord* found = FindAttribute(attributeName);
    if (!found)
        return nullptr;
    const int id = PlaceholderTextId(found->value);
    const char16_t* localized =
        store.bound && store.lookup && id >= 0 ? store.lookup(store.lookupContext, store.texts, id) : nullptr;
    store.answer.name.Set(found->name);
    store.answer.value.Set(localized ? localized : found->value);
    return &store.answer;
}

jx_XMLNODE* XmlNode::FindChild(const char16_t* childName, const jx_XMLNODE* after)
{
    const XmlNode* start = firstChild;
    if (after) {
        const auto* afterNode = static_cast<const XmlNode*>(after);
        if (afterNode->parent != this)
            return nullptr;
        start = afterNode->next;
    }
    for (const XmlNode* child = start; child; child = child->next)
        if (child->kind == kXmlElementNode && View(child->name) == View(childName))
            return const_cast<XmlNode*>(child);
    return nullptr;
}

jx_STRING& XmlNode::Text()
{
    if (!text) {
        text.reset(new (std::nothrow) jx_STRING(storedText ? storedText : u""));
        if (!text) {
            store.incomplete = true;
            return store.lostText;
        }
    }
    return *text;
}

void XmlNode::AddText(std::u16string_view chunk)
{
    if (!text && !storedText) {
        storedText = store.Copy(chunk);
        return;
    }
    Text().Add(std::u16string(chunk).c_str());
}

const char16_t* XmlNode::OwnText() const
{
    if (text)
        return text->GetBuffer();
    return storedText ? storedText : u"";
}
