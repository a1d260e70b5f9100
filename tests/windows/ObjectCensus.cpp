#include "tests/windows/ObjectCensus.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>

namespace {

// Entries of the GDI handle table: 24 bytes with 8-byte object and user
// pointers (64-bit Windows, and Wine in both widths), 16 bytes with 4-byte
// ones (32-bit Windows). Each holds the handle's upper word ("unique") and,
// right after it, the object's kind; a free entry has kind 0.
struct EntryLayout {
    std::size_t size;
    std::size_t uniqueAt;
};
constexpr EntryLayout kLayouts[] = {{24, 12}, {16, 8}};
constexpr std::size_t kTableEntries = 0x10000;

const unsigned char* HandleTable()
{
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return nullptr;
    const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
    const std::size_t tableAt = sizeof(void*) == 8 ? 0xF8 : 0x94;
    if (!peb)
        return nullptr;
    const unsigned char* table = nullptr;
    std::memcpy(&table, peb + tableAt, sizeof table);
    return table;
}

// How many bytes from `start` on can be read, within `wanted`.
std::size_t ReadableBytes(const unsigned char* start, std::size_t wanted)
{
    std::size_t readable = 0;
    while (readable < wanted) {
        MEMORY_BASIC_INFORMATION region{};
        if (!VirtualQuery(start + readable, &region, sizeof region) || region.State != MEM_COMMIT ||
            (region.Protect & (PAGE_NOACCESS | PAGE_GUARD)) || region.Protect == 0)
            break;
        readable =
            static_cast<std::size_t>(static_cast<const unsigned char*>(region.BaseAddress) + region.RegionSize - start);
    }
    return readable < wanted ? readable : wanted;
}

std::uint16_t UniqueAt(const unsigned char* entry, const EntryLayout& layout)
{
    std::uint16_t unique = 0;
    std::memcpy(&unique, entry + layout.uniqueAt, sizeof unique);
    return unique;
}

// The layout under which a live bitmap's entry carries its handle's upper
// word, or null.
const EntryLayout* FindLayout(const unsigned char* table, std::size_t readable)
{
    const HBITMAP probe = CreateBitmap(1, 1, 1, 1, nullptr);
    const auto handle = reinterpret_cast<std::uintptr_t>(probe);
    const EntryLayout* found = nullptr;
    for (const EntryLayout& layout : kLayouts) {
        const std::size_t at = (handle & 0xFFFF) * layout.size;
        if (at + layout.size <= readable && UniqueAt(table + at, layout) == ((handle >> 16) & 0xFFFF) &&
            table[at + layout.uniqueAt + 2] != 0) {
            found = &layout;
            break;
        }
    }
    DeleteObject(probe);
    return found;
}

struct Table {
    const unsigned char* entries = nullptr;
    std::size_t readable = 0;
    const EntryLayout* layout = nullptr;
};

Table ReadableTable()
{
    Table table;
    table.entries = HandleTable();
    if (!table.entries)
        return table;
    table.readable = ReadableBytes(table.entries, kTableEntries * kLayouts[0].size);
    table.layout = FindLayout(table.entries, table.readable);
    return table;
}

BOOL CALLBACK CountDescendant(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountProcessWindow(HWND window, LPARAM count)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++*reinterpret_cast<int*>(count);
        EnumChildWindows(window, CountDescendant, count);
    }
    return TRUE;
}

} // namespace

bool CanTakeObjectCensus() { return ReadableTable().layout != nullptr; }

ObjectCensus TakeObjectCensus()
{
    ObjectCensus census;
    const Table table = ReadableTable();
    if (table.layout) {
        const std::size_t kindAt = table.layout->uniqueAt + 2;
        for (std::size_t at = 0; at + table.layout->size <= table.readable; at += table.layout->size)
            if (const int kind = table.entries[at + kindAt]; kind != 0)
                ++census.gdiObjects[kind];
    }
    EnumWindows(CountProcessWindow, reinterpret_cast<LPARAM>(&census.windows));
    return census;
}
