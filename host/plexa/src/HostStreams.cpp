#include "plexa/HostStreams.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "host/plexa/src/FileOpen.h"
#include "host/plexa/src/FileStream.h"
#include "host/plexa/src/MemoryStream.h"

jx_STREAM* OpenHostFileStream(const char16_t* path, int mode, int* error)
{
    int ignored = 0;
    return OpenFileStream(path, mode, error ? *error : ignored);
}

jx_STREAM* ReadWholeFile(const char16_t* path, int* error)
{
    int ignored = 0;
    int& why = error ? *error : ignored;
    std::vector<unsigned char> bytes;
    try {
        why = ReadAllBytes(path ? path : u"", bytes);
        if (why != 0)
            return nullptr;
        // Streams count in 32 bits.
        if (bytes.size() > static_cast<std::size_t>(INT32_MAX)) {
            why = OutOfMemoryError();
            return nullptr;
        }
        return new MemoryStream(path, std::move(bytes));
    } catch (const std::bad_alloc&) {
        why = OutOfMemoryError();
        return nullptr;
    }
}

void DescribeFileError(int error, char* text, int size)
{
    if (!text || size <= 0)
        return;
    const std::string words = ErrorText(error);
    const std::size_t length = std::min(words.size(), static_cast<std::size_t>(size - 1));
    words.copy(text, length);
    text[length] = 0;
}

jx_STREAM* CreateMemoryStream(const char16_t* fileName) { return new MemoryStream(fileName ? fileName : u""); }
