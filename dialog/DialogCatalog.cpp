// The palette catalog: "List palettes.xml" in the palette folder (written
// from the module's copy the first time it is missing) lists the palettes
// of the "Reset Palette" menu, and choosing one loads it into the shelf.
#include <optional>
#include <string>
#include <vector>

#include "dialog/CltPiker.h"
#include "dialog/PaletteFolders.h"
#include "plexa/jx_CORE.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_STREAM.h"
#include "plexa/jx_TOOLBAR.h"
#include "plexa/jx_XML.h"
#include "plexa/TextHelpers.h"
#include "module/ModuleState.h"
#include "module/ModuleText.h"
#include "resources/ResourceIds.h"

namespace {

constexpr char16_t kCatalogFile[] = u"List palettes.xml";
constexpr char16_t kBuiltInCatalog[] = u"PALETTE|list_palettes_xml";
// The menu holds at most as many palettes as the dialog has commands for,
// a bounded number of items and levels: a catalog of any size opens at once
// and its menu with it. What is left out is counted in one last item.
constexpr int kChoosableEntries = IDM_LAST_CATALOG_PALETTE - IDM_FIRST_CATALOG_PALETTE + 1;
constexpr int kMostMenuItems = 4 * kChoosableEntries;
constexpr int kMostMenuLevels = 16;

// The attribute's value, copied at once: a "#N" value the document resolves
// is only valid until its next attribute lookup. Nothing when it is absent.
std::optional<std::u16string> Attribute(jx_XMLNODE* element, const char16_t* name)
{
    const jx_XMLATTRIBUTE* attribute = element->GetAttribute(name);
    if (!attribute)
        return std::nullopt;
    const char16_t* value = attribute->value.GetBuffer();
    return std::u16string(value ? value : u"");
}

// A palette element that names a file or a resource (not a separator).
bool NamesAPalette(jx_XMLNODE* element)
{
    for (const char16_t* source : {u"file", u"res"}) {
        const jx_XMLATTRIBUTE* attribute = element->GetAttribute(source);
        if (attribute && attribute->value.GetBuffer() && *attribute->value.GetBuffer())
            return true;
    }
    return false;
}

// The palettes of a submenu left out, at any depth below it. Walked without
// recursion: a hostile catalog may nest as deep as the document allows.
int PalettesWithin(jx_XMLNODE* submenu)
{
    int palettes = 0;
    std::vector<jx_XMLNODE*> pending{submenu->FirstChild()};
    while (!pending.empty()) {
        jx_XMLNODE* node = pending.back();
        pending.pop_back();
        for (; node; node = node->NextSibling()) {
            if (node->Kind() != kXmlElementNode)
                continue;
            const std::u16string_view name(node->Name() ? node->Name() : u"");
            if (name == u"palette")
                palettes += NamesAPalette(node) ? 1 : 0;
            else if (name == u"palettes")
                pending.push_back(node->FirstChild());
        }
    }
    return palettes;
}

} // namespace

struct CCltPiker::CatalogMenuBudget {
    // Once every command is given, nothing more is built: a separator or
    // submenu after the last palette that can be chosen would lead nowhere.
    bool IsSpent(int entries) const { return items == 0 || entries == kChoosableEntries; }

    int items = kMostMenuItems;
    int leftOut = 0;
};

void CCltPiker::LoadCatalog(jx_MENU* menu)
{
    catalog.Clear();
    if (!HostObject || !menu)
        return;
    const std::u16string path = PaletteFolder() + kCatalogFile;
    jx_REF<jx_STREAM> stream(HostObject->OpenStream(nullptr, path.c_str(), kStreamReadFileShared));
    if (!stream) {
        stream.reset(HostObject->OpenStream(ModuleInstance, kBuiltInCatalog, kStreamReadResource));
        CopyResourceToFile(kBuiltInCatalog, path);
    }
    if (!stream)
        return;
    const jx_REF<jx_XMLDOCUMENT> document(
        static_cast<jx_XMLDOCUMENT*>(HostObject->CreateObjectByName("ZQXMLDOCUMENT")));
    if (!document)
        return;
    // A document broken part way still offers what was read before the break.
    document->Load(stream.get());
    document->BindModule(LanguageCookie);
    jx_XMLNODE* root = document->FindChild(u"palettes", nullptr);
    if (!root)
        return;
    CatalogMenuBudget budget;
    AddCatalogItems(root, menu, 0, budget);
    if (budget.leftOut > 0) {
        char16_t text[64] = {};
        jxsprintf(text, 64, GetModuleText(IDS_CATALOG_LEFT_OUT), budget.leftOut);
        jx_MENUITEM* item = menu->AddItem(0);
        item->flags |= kMenuItemCommand;
        item->state |= kMenuItemUnavailable;
        item->SetText(text);
    }
}

void CCltPiker::AddCatalogItems(jx_XMLNODE* element, jx_MENU* menu, int depth, CatalogMenuBudget& budget)
{
    for (jx_XMLNODE* child = element->FirstChild(); child; child = child->NextSibling()) {
        if (child->Kind() != kXmlElementNode)
            continue;
        const std::u16string_view name(child->Name() ? child->Name() : u"");
        if (name == u"palette") {
            if (budget.IsSpent(catalog.Count())) {
                budget.leftOut += NamesAPalette(child) ? 1 : 0;
                continue;
            }
            --budget.items;
            const std::u16string text = Attribute(child, u"name").value_or(u"");
            const std::optional<std::u16string> fileAttribute = Attribute(child, u"file");
            const bool hasFile = fileAttribute.has_value();
            const std::u16string file = fileAttribute.value_or(u"");
            const std::u16string resource = Attribute(child, u"res").value_or(u"");
            jx_MENUITEM* item = menu->AddItem(0);
            item->flags |= kMenuItemCommand;
            if (file.empty() && resource.empty())
                continue;
            const int position = catalog.Add(file, resource);
            item->command = static_cast<std::uint16_t>(IDM_FIRST_CATALOG_PALETTE + position);
            if (hasFile && !PaletteFileExists(file))
                item->state |= kMenuItemUnavailable;
            item->SetText((!text.empty() ? text : !file.empty() ? file : resource).c_str());
        } else if (name == u"palettes") {
            if (budget.IsSpent(catalog.Count()) || depth == kMostMenuLevels) {
                budget.leftOut += PalettesWithin(child);
                continue;
            }
            --budget.items;
            jx_MENUITEM* item = menu->AddItem(0);
            item->flags |= kMenuItemSubmenu;
            const std::u16string text = Attribute(child, u"name").value_or(u"");
            if (!text.empty())
                item->SetText(text.c_str());
            AddCatalogItems(child, item->Submenu(), depth + 1, budget);
        }
    }
}

void CCltPiker::SelectPalette(int index)
{
    std::u16string file = kDefaultPaletteFile;
    std::u16string resource = kDefaultPaletteResource;
    if (index >= 0 && index < catalog.Count()) {
        file = catalog.FileName(index);
        resource = catalog.ResourceReference(index);
    }
    if (!HostObject)
        return;
    if (!file.empty()) {
        const std::u16string path = PaletteFolder() + file;
        if (const jx_REF<jx_STREAM> stream(HostObject->OpenStream(nullptr, path.c_str(), kStreamReadFileShared));
            stream) {
            LoadPaletteFile(stream.get(), true, true);
            return;
        }
    }
    if (resource.empty())
        return;
    if (const jx_REF<jx_STREAM> stream(HostObject->OpenStream(ModuleInstance, resource.c_str(), kStreamReadResource));
        stream)
        LoadPaletteFile(stream.get(), true, true);
}
