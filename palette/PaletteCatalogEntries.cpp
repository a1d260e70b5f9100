#include "palette/PaletteCatalogEntries.h"

#include <algorithm>
#include <string>

namespace {

// An entry is one block of UTF-16 text: the file name, its zero, the
// resource reference, its zero, and ten spare units.
constexpr std::size_t kSpareUnits = 10;

void DeleteEntry(void* item) { delete[] static_cast<char16_t*>(item); }

} // namespace

CDefaultPaletteContainer::~CDefaultPaletteContainer() { Clear(); }

void CDefaultPaletteContainer::Clear()
{
    if (entries)
        entries->Release();
    entries = nullptr;
}

int CDefaultPaletteContainer::Add(std::u16string_view fileName, std::u16string_view resourceReference)
{
    if (!entries) {
        entries = jx_COLLECTION::Create(32, 16);
        entries->SetItemDeleter(DeleteEntry);
    }
    auto* block = new char16_t[fileName.size() + resourceReference.size() + kSpareUnits]();
    std::copy(fileName.begin(), fileName.end(), block);
    std::copy(resourceReference.begin(), resourceReference.end(), block + fileName.size() + 1);
    return entries->Add(block);
}

int CDefaultPaletteContainer::Count() const { return entries ? entries->Count() : 0; }

const char16_t* CDefaultPaletteContainer::Block(int position) const
{
    return entries ? static_cast<const char16_t*>(entries->At(position)) : nullptr;
}

const char16_t* CDefaultPaletteContainer::FileName(int position) const
{
    const char16_t* block = Block(position);
    return block ? block : u"";
}

const char16_t* CDefaultPaletteContainer::ResourceReference(int position) const
{
    const char16_t* block = Block(position);
    return block ? block + std::char_traits<char16_t>::length(block) + 1 : u"";
}
