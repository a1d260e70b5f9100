#include "host/plexa/src/XmlNode.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "common/AsciiText.h"
#include "common/Utf8.h"
#include "host/plexa/src/TextTable.h"

namespace {

// Elements live in chunks of this many bytes, aligned to their size: the
// chunk of an element is its address with the low bits cleared, and the
// chunk's header names the store and the index of its first element.
constexpr std::size_t kChunkBytes = std::size_t{1} << 18;

struct ChunkHeader {
    XmlStore* store;
    XmlIndex first;
};

constexpr std::size_t RoundUp(std::size_t size, std::size_t to) { return (size + to - 1) / to * to; }

constexpr std::size_t kNodesAt = RoundUp(sizeof(ChunkHeader), alignof(XmlNode));
constexpr XmlIndex kNodesPerChunk = static_cast<XmlIndex>((kChunkBytes - kNodesAt) / sizeof(XmlNode));

static_assert(sizeof(XmlNode) == sizeof(void*) + 4 * sizeof(XmlIndex), "an element is its table and four links");
static_assert(std::is_trivially_destructible_v<XmlNode>, "elements are dropped without being destroyed");

const ChunkHeader& HeaderOf(const XmlNode& node)
{
    return *reinterpret_cast<const ChunkHeader*>(reinterpret_cast<std::uintptr_t>(&node) & ~(kChunkBytes - 1));
}

std::u16string_view View(const char16_t* text) { return text ? std::u16string_view(text) : std::u16string_view(); }

std::size_t Hash(std::u16string_view name)
{
    // FNV-1a over the units.
    std::size_t hash = 2166136261u;
    for (const char16_t unit : name)
        hash = (hash ^ unit) * 16777619u;
    return hash;
}

} // namespace

XmlNameTable::XmlNameTable() { Clear(); }

void XmlNameTable::Clear()
{
    texts.assign(1, u"");
    lengths.assign(1, 0);
    slots.assign(64, 0);
}

std::size_t XmlNameTable::SlotOf(std::u16string_view name) const
{
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = Hash(name) & mask;; slot = (slot + 1) & mask) {
        const XmlIndex held = slots[slot];
        if (held == 0 || std::u16string_view(texts[held - 1], lengths[held - 1]) == name)
            return slot;
    }
}

bool XmlNameTable::Find(std::u16string_view name, XmlIndex& number) const
{
    if (name.empty()) {
        number = 0;
        return true;
    }
    const XmlIndex held = slots[SlotOf(name)];
    number = held - 1;
    return held != 0;
}

XmlIndex XmlNameTable::Intern(std::u16string_view name, XmlStore& store)
{
    if (name.empty())
        return 0;
    std::size_t slot = SlotOf(name);
    if (slots[slot] != 0)
        return slots[slot] - 1;
    // Kept at most half full, so that a search ends soon.
    if (2 * (texts.size() + 1) > slots.size()) {
        Grow();
        slot = SlotOf(name);
    }
    texts.push_back(store.CopyName(name));
    lengths.push_back(static_cast<std::uint32_t>(name.size()));
    const auto number = static_cast<XmlIndex>(texts.size() - 1);
    slots[slot] = number + 1;
    return number;
}

void XmlNameTable::Grow()
{
    std::vector<XmlIndex> old(slots.size() * 2, 0);
    old.swap(slots);
    for (const XmlIndex held : old)
        if (held != 0)
            slots[SlotOf(std::u16string_view(texts[held - 1], lengths[held - 1]))] = held;
}

void XmlStore::ChunkDeleter::operator()(unsigned char* chunk) const
{
    ::operator delete(chunk, std::align_val_t(kChunkBytes));
}

XmlStore::XmlStore()
{
    AddChunk();
    NewElement(0);
    properties.push_back(std::make_unique_for_overwrite<XmlProperty[]>(kPropertiesPerBlock));
    propertyCount = 1;
}

XmlStore::~XmlStore() = default;

void XmlStore::AddChunk()
{
    Chunk chunk(static_cast<unsigned char*>(::operator new(kChunkBytes, std::align_val_t(kChunkBytes))));
    new (chunk.get()) ChunkHeader{this, static_cast<XmlIndex>(chunks.size()) * kNodesPerChunk};
    chunks.push_back(std::move(chunk));
}

XmlNode* XmlStore::Node(XmlIndex index) const
{
    return reinterpret_cast<XmlNode*>(chunks[index / kNodesPerChunk].get() + kNodesAt) + index % kNodesPerChunk;
}

XmlIndex XmlStore::IndexOf(const XmlNode& node) const
{
    const ChunkHeader& header = HeaderOf(node);
    const auto* first = reinterpret_cast<const XmlNode*>(reinterpret_cast<const unsigned char*>(&header) + kNodesAt);
    return header.first + static_cast<XmlIndex>(&node - first);
}

XmlNode& XmlStore::NewElement(XmlIndex name)
{
    if (nodeCount == chunks.size() * kNodesPerChunk)
        AddChunk();
    XmlNode* node = new (Node(nodeCount)) XmlNode(name);
    ++nodeCount;
    return *node;
}

void XmlStore::DropLastElement()
{
    if (nodeCount > 1)
        --nodeCount;
}

XmlIndex XmlStore::NewProperty(XmlIndex name, XmlIndex value, XmlIndex next)
{
    if (propertyCount == properties.size() * kPropertiesPerBlock)
        properties.push_back(std::make_unique_for_overwrite<XmlProperty[]>(kPropertiesPerBlock));
    Property(propertyCount) = XmlProperty{value, name, next};
    return propertyCount++;
}

jx_STRING* XmlStore::StringOf(const XmlNode& node) const
{
    if (strings.empty())
        return nullptr;
    const auto found = strings.find(IndexOf(node));
    return found == strings.end() ? nullptr : found->second.get();
}

jx_STRING* XmlStore::MakeString(const XmlNode& node, std::string_view text)
{
    auto& string = strings[IndexOf(node)];
    string = std::make_unique<jx_STRING>(Wide(text));
    return string.get();
}

const char16_t* XmlStore::Wide(std::string_view text)
{
    wide = Utf8ToUtf16(text);
    return wide.c_str();
}

void XmlStore::AppendChild(XmlNode& parent, XmlNode& child)
{
    const XmlIndex parentIndex = IndexOf(parent);
    const XmlIndex childIndex = IndexOf(child);
    XmlNode* last = nullptr;
    if (appendedTo == parentIndex && appended != 0) {
        last = Node(appended);
    } else {
        for (XmlNode* sibling = parent.First(); sibling; sibling = sibling->Next())
            last = sibling;
    }
    if (last)
        last->LinkNext(childIndex);
    else
        parent.LinkFirstChild(childIndex);
    appendedTo = parentIndex;
    appended = childIndex;
}

void XmlStore::Clear()
{
    Root().Reset();
    chunks.resize(1);
    nodeCount = 1;
    properties.resize(1);
    propertyCount = 1;
    names.Clear();
    values.Clear();
    names16.Clear();
    strings.clear();
    incomplete = false;
    appendedTo = appended = 0;
}

XmlStore& XmlNode::Store() const { return *HeaderOf(*this).store; }

const char16_t* XmlNode::Name() const { return Store().NameText(name); }

XmlNode* XmlNode::First() const { return firstChild ? Store().Node(firstChild) : nullptr; }

XmlNode* XmlNode::Next() const { return next ? Store().Node(next) : nullptr; }

XmlProperty* XmlNode::TextProperty() const
{
    // The text is put first when it comes, after the tag's attributes.
    if (firstProperty == 0)
        return nullptr;
    XmlProperty& first = Store().Property(firstProperty);
    return first.name == 0 ? &first : nullptr;
}

void XmlNode::MergeRepeatedAttributes()
{
    XmlStore& store = Store();
    std::vector<XmlIndex> inOrder;
    for (XmlIndex at = firstProperty; at != 0; at = store.Property(at).next)
        inOrder.push_back(at);
    // Positions in document order, sorted by name: each name's run starts
    // with its first attribute and ends with its last.
    std::vector<std::size_t> byName(inOrder.size());
    for (std::size_t i = 0; i < byName.size(); ++i)
        byName[i] = i;
    const auto nameAt = [&](std::size_t position) { return store.Property(inOrder[position]).name; };
    std::stable_sort(byName.begin(), byName.end(), [&](auto a, auto b) { return nameAt(a) < nameAt(b); });
    std::vector<bool> dropped(inOrder.size(), false);
    for (std::size_t i = 0; i < byName.size();) {
        std::size_t end = i + 1;
        while (end < byName.size() && nameAt(byName[end]) == nameAt(byName[i]))
            ++end;
        store.Property(inOrder[byName[i]]).value = store.Property(inOrder[byName[end - 1]]).value;
        for (std::size_t repeated = i + 1; repeated < end; ++repeated)
            dropped[byName[repeated]] = true;
        i = end;
    }
    XmlIndex* link = &firstProperty;
    for (std::size_t position = 0; position < inOrder.size(); ++position) {
        if (dropped[position])
            continue;
        *link = inOrder[position];
        link = &store.Property(inOrder[position]).next;
    }
    *link = 0;
}

XmlProperty* XmlNode::AttributeNamed(XmlIndex attributeName) const
{
    XmlStore& store = Store();
    for (XmlIndex at = firstProperty; at != 0;) {
        XmlProperty& property = store.Property(at);
        if (property.name == attributeName)
            return &property;
        at = property.next;
    }
    return nullptr;
}

void XmlNode::AppendAttribute(XmlIndex attributeName, std::string_view value, XmlIndex& last)
{
    XmlStore& store = Store();
    const XmlIndex added = store.NewProperty(attributeName, store.Copy(value), 0);
    (last ? store.Property(last).next : firstProperty) = added;
    last = added;
}

void XmlNode::SetAttribute(const char16_t* attributeName, const char16_t* value)
{
    if (!attributeName || !*attributeName || Kind() != kXmlElementNode)
        return;
    try {
        Replace(attributeName, value);
    } catch (const std::bad_alloc&) {
        Store().incomplete = true;
    }
}

void XmlNode::Replace(const char16_t* attributeName, const char16_t* value)
{
    XmlStore& store = Store();
    const XmlIndex number = store.Intern(View(attributeName));
    if (XmlProperty* attribute = AttributeNamed(number)) {
        attribute->value = store.Copy(Utf16ToUtf8(View(value)));
        return;
    }
    XmlIndex last = 0;
    for (XmlIndex at = firstProperty; at != 0; at = store.Property(at).next)
        last = at;
    AppendAttribute(number, Utf16ToUtf8(View(value)), last);
}

jx_XMLNODE* XmlNode::AddChild(const char16_t* elementName)
{
    if (!elementName || !*elementName)
        return nullptr;
    try {
        XmlStore& store = Store();
        XmlNode& child = store.NewElement(store.Intern(elementName));
        store.AppendChild(*this, child);
        return &child;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

const XmlProperty* XmlNode::FindAttribute(const char16_t* attributeName) const
{
    if (!attributeName || !*attributeName)
        return nullptr;
    XmlStore& store = Store();
    if (XmlIndex number = 0; store.FindName(attributeName, number))
        if (const XmlProperty* exact = AttributeNamed(number))
            return exact;
    for (XmlIndex at = firstProperty; at != 0;) {
        const XmlProperty& property = store.Property(at);
        if (property.name != 0 && EqualsIgnoringAsciiCase<char16_t>(store.NameText(property.name), attributeName))
            return &property;
        at = property.next;
    }
    return nullptr;
}

const jx_XMLATTRIBUTE* XmlNode::GetAttribute(const char16_t* attributeName)
{
    const XmlProperty* found = FindAttribute(attributeName);
    if (!found)
        return nullptr;
    XmlStore& store = Store();
    const char16_t* value = store.Wide(store.TextAt(found->value));
    const int id = PlaceholderTextId(value);
    const char16_t* localized =
        store.bound && store.lookup && id >= 0 ? store.lookup(store.lookupContext, store.texts, id) : nullptr;
    store.answer.name.Set(store.NameText(found->name));
    store.answer.value.Set(localized ? localized : value);
    return &store.answer;
}

// `after` is one of this element's children.
jx_XMLNODE* XmlNode::FindChild(const char16_t* childName, const jx_XMLNODE* after)
{
    XmlIndex number = 0;
    if (!childName || !*childName || !Store().FindName(childName, number))
        return nullptr;
    const XmlNode* start = after ? static_cast<const XmlNode*>(after)->Next() : First();
    for (const XmlNode* child = start; child; child = child->Next())
        if (child->name == number)
            return const_cast<XmlNode*>(child);
    return nullptr;
}

jx_STRING& XmlNode::Text()
{
    XmlStore& store = Store();
    if (jx_STRING* string = store.StringOf(*this))
        return *string;
    try {
        const XmlProperty* stored = TextProperty();
        return *store.MakeString(*this, store.TextAt(stored ? stored->value : 0));
    } catch (const std::bad_alloc&) {
        store.incomplete = true;
        return store.lostText;
    }
}

void XmlNode::SetText(std::string_view ownText)
{
    XmlStore& store = Store();
    firstProperty = store.NewProperty(0, store.Copy(ownText), firstProperty);
}

std::string XmlNode::OwnText() const
{
    // Text() handed out a string: what it holds now is the text.
    if (const jx_STRING* string = Store().StringOf(*this))
        return Utf16ToUtf8(string->GetBuffer());
    const XmlProperty* stored = TextProperty();
    return Store().TextAt(stored ? stored->value : 0);
}
