#include "host/plexa/src/MemoryStream.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

MemoryStream::MemoryStream(std::u16string name) : fileName(std::move(name)), view(nullptr), size(0), position(0) {}

MemoryStream::MemoryStream(std::u16string name, std::vector<unsigned char> bytes)
    : fileName(std::move(name)), owned(std::move(bytes)), view(nullptr), size(static_cast<std::int32_t>(owned.size())),
      position(0)
{
}

MemoryStream::MemoryStream(const void* bytes, std::int32_t viewSize)
    : view(static_cast<const unsigned char*>(bytes)), size(bytes ? std::max(viewSize, 0) : 0), position(0)
{
}

void MemoryStream::Delete() { delete this; }

int MemoryStream::Seek(std::int32_t offset, int origin)
{
    const long long base = origin == 1 ? position : 0;
    const long long target = base + offset;
    // As in a file, a position past the end is allowed: reads there find
    // nothing and a write fills the gap with zeros.
    if ((origin != 0 && origin != 1) || target < 0 || target > INT32_MAX)
        return -1;
    position = static_cast<std::int32_t>(target);
    return 0;
}

std::int32_t MemoryStream::Tell() { return position; }

int MemoryStream::Read(void* buffer, int count)
{
    // Nothing is read at or past the end; the data pointer is offset only
    // within the data (an empty stream has none at all).
    if (!buffer || count <= 0 || position >= size)
        return 0;
    const int available = std::min(count, size - position);
    std::memcpy(buffer, Data() + position, static_cast<std::size_t>(available));
    position += available;
    return available;
}

int MemoryStream::Write(const void* buffer, int count)
{
    if (view || !buffer || count <= 0)
        return 0;
    const std::size_t end = static_cast<std::size_t>(position) + static_cast<std::size_t>(count);
    // Positions are 32-bit; memory that cannot be had is a failed write, not a crash.
    if (end > static_cast<std::size_t>(INT32_MAX))
        return 0;
    if (end > owned.size()) {
        try {
            owned.resize(end);
        } catch (const std::bad_alloc&) {
            return 0;
        }
    }
    std::memcpy(owned.data() + position, buffer, static_cast<std::size_t>(count));
    position += count;
    size = static_cast<std::int32_t>(owned.size());
    return count;
}

bool MemoryStream::IsEOF() { return position >= size; }

int MemoryStream::GetFileName(char16_t* buffer, int bufferSize, int) { return CopyName(fileName, buffer, bufferSize); }

int MemoryStream::ReadByte() { return position < size ? Data()[position++] : -1; }

const unsigned char* MemoryStream::Data() const { return view ? view : owned.data(); }

int MemoryStream::ReadLine(char* buffer, int size)
{
    if (position >= this->size) {
        if (buffer && size > 0)
            buffer[0] = 0;
        return 0;
    }
    const unsigned char* start = Data() + position;
    const auto rest = static_cast<std::size_t>(this->size - position);
    const auto* newline = static_cast<const unsigned char*>(std::memchr(start, '\n', rest));
    const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : rest;
    position += static_cast<std::int32_t>(length + (newline ? 1 : 0));
    if (!buffer || size <= 0)
        return 1;
    std::size_t kept = std::min(length, static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, start, kept);
    if (kept > 0 && buffer[kept - 1] == '\r')
        --kept;
    buffer[kept] = 0;
    return 1;
}
