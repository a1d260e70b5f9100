#include "host/plexa/src/StreamBase.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

int StreamBase::ReadLine(char* buffer, int size)
{
    int c = ReadByte();
    if (c < 0) {
        if (buffer && size > 0)
            buffer[0] = 0;
        return 0;
    }
    int length = 0;
    for (; c >= 0 && c != '\n'; c = ReadByte()) {
        // Keep what fits; the rest of an over-long line is skipped, so the
        // next call starts at the next line rather than inside this one.
        if (buffer && length + 1 < size)
            buffer[length++] = static_cast<char>(c);
    }
    if (buffer && size > 0) {
        if (length > 0 && buffer[length - 1] == '\r')
            --length;
        buffer[length] = 0;
    }
    return 1;
}

int StreamBase::ReadWord()
{
    unsigned char bytes[2];
    if (Read(bytes, 2) != 2)
        return -1;
    return wordOrder == kWordOrderBigEndian ? bytes[0] << 8 | bytes[1] : bytes[1] << 8 | bytes[0];
}

int StreamBase::WriteWord(std::uint16_t word)
{
    const auto high = static_cast<unsigned char>(word >> 8);
    const auto low = static_cast<unsigned char>(word & 0xFF);
    const unsigned char bigEndian[2] = {high, low};
    const unsigned char littleEndian[2] = {low, high};
    return Write(wordOrder == kWordOrderBigEndian ? bigEndian : littleEndian, 2) == 2 ? 0 : -1;
}

void StreamBase::SetWordOrder(int order) { wordOrder = order; }

int StreamBase::GetWordOrder() { return wordOrder; }

std::int32_t StreamBase::CopyTo(jx_STREAM* target, std::int32_t position, std::int32_t count)
{
    if (!target || (position >= 0 && Seek(position, 0) != 0))
        return 0;
    char chunk[4096];
    std::int32_t copied = 0;
    while (count < 0 || copied < count) {
        const int wanted = count < 0 ? static_cast<int>(sizeof chunk)
                                     : static_cast<int>(std::min<std::int32_t>(sizeof chunk, count - copied));
        const int read = Read(chunk, wanted);
        if (read <= 0)
            break;
        const int written = target->Write(chunk, read);
        copied += written;
        if (written != read)
            break;
    }
    return copied;
}

int StreamBase::Printf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    char small[512];
    const int length = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    int written = -1;
    if (length >= 0 && length < static_cast<int>(sizeof small)) {
        written = Write(small, length);
    } else if (length >= 0) {
        std::string large(static_cast<std::size_t>(length) + 1, '\0');
        std::vsnprintf(large.data(), large.size(), format, again);
        written = Write(large.data(), length);
    }
    va_end(again);
    return written == length ? length : -1;
}

int StreamBase::CopyName(std::u16string_view name, char16_t* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    const int length = std::min(static_cast<int>(name.size()), size - 1);
    std::copy_n(name.begin(), length, buffer);
    buffer[length] = 0;
    return length;
}
