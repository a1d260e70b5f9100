// A stream over bytes in memory: either its own growable block (read and
// write) or a read-only view of bytes that outlive it, such as a resource.
#pragma once

#include <string>
#include <vector>

#include "host/plexa/src/StreamBase.h"

class MemoryStream final : public StreamBase {
public:
    // fileName is what GetFileName reports: host memory streams have none.
    explicit MemoryStream(std::u16string fileName = {});
    // Takes the bytes as its content (at most INT32_MAX), positioned at the start.
    MemoryStream(std::u16string fileName, std::vector<unsigned char> bytes);
    MemoryStream(const void* bytes, std::int32_t size);

    void Delete() override;
    int Seek(std::int32_t position, int origin) override;
    std::int32_t Tell() override;
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;
    bool IsEOF() override;
    int GetFileName(char16_t* buffer, int size, int flags) override;
    // As every stream reads lines, by searching the bytes instead of taking
    // them one call at a time.
    int ReadLine(char* buffer, int size) override;
    long long BytesLeft() override { return size - position; }

private:
    ~MemoryStream() = default;
    int ReadByte() override;
    const unsigned char* Data() const;

    std::u16string fileName;
    std::vector<unsigned char> owned;
    const unsigned char* view;
    std::int32_t size;
    std::int32_t position;
};
