#include "plexa/jx_STRING.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "plexa/TextHelpers.h"

namespace {

int TextLength(const char16_t* text)
{
    int n = 0;
    if (text)
        while (text[n])
            ++n;
    return n;
}

const char16_t kEmpty[1] = {0};

} // namespace

jx_STRING::jx_STRING() : text(nullptr), length(0), capacity(0) {}

jx_STRING::jx_STRING(const char16_t* initial) : jx_STRING() { Set(initial); }

jx_STRING::jx_STRING(const jx_STRING& other) : jx_STRING() { Assign(other.GetBuffer(), other.length); }

jx_STRING& jx_STRING::operator=(const jx_STRING& other)
{
    if (this != &other)
        Assign(other.GetBuffer(), other.length);
    return *this;
}

jx_STRING& jx_STRING::operator=(const char16_t* newText)
{
    Set(newText);
    return *this;
}

jx_STRING::~jx_STRING() { delete[] text; }

void jx_STRING::Set(const char16_t* newText) { Assign(newText, TextLength(newText)); }

void jx_STRING::Add(const char16_t* more) { Append(more, TextLength(more)); }

const char16_t* jx_STRING::GetBuffer() const { return text ? text : kEmpty; }

int jx_STRING::Length() const { return length; }

int jx_STRING::Compare(const char16_t* other) const
{
    const char16_t* mine = GetBuffer();
    if (!other)
        other = kEmpty;
    for (;; ++mine, ++other) {
        if (*mine != *other)
            return *mine < *other ? -1 : 1;
        if (!*mine)
            return 0;
    }
}

int jx_STRING::Get(char* buffer, int size) const { return WtoAex(GetBuffer(), buffer, size); }

void jx_STRING::Assign(const char16_t* source, int count)
{
    if (source >= GetBuffer() && source <= GetBuffer() + length) {
        // Assigning a part of itself: keep the source alive while copying.
        jx_STRING copy;
        copy.Append(source, count);
        std::swap(text, copy.text);
        std::swap(length, copy.length);
        std::swap(capacity, copy.capacity);
        return;
    }
    length = 0;
    if (text)
        text[0] = 0;
    Append(source, count);
}

void jx_STRING::Append(const char16_t* more, int count)
{
    // A string never outgrows a signed 32-bit length.
    if (count <= 0 || count > INT_MAX / 2 - length)
        return;
    if (length + count + 1 > capacity) {
        const int newCapacity = std::max(length + count + 1, capacity + capacity / 2);
        // Without the memory the text stays as it was: no exception leaves
        // the library for a module's code.
        auto* grown = new (std::nothrow) char16_t[newCapacity];
        if (!grown)
            return;
        // more may point into the old buffer, so copy it before freeing that.
        std::memcpy(grown, GetBuffer(), sizeof(char16_t) * length);
        std::memcpy(grown + length, more, sizeof(char16_t) * count);
        delete[] text;
        text = grown;
        capacity = newCapacity;
    } else {
        std::memmove(text + length, more, sizeof(char16_t) * count);
    }
    length += count;
    text[length] = 0;
}
