// The stream operations that every kind of host stream shares, built on the
// few primitives (Read, Write, Seek, Tell, ReadByte) each kind supplies.
#pragma once

#include <string_view>

#include "plexa/jx_STREAM.h"

class StreamBase : public jx_STREAM {
public:
    int ReadLine(char* buffer, int size) override;
    int ReadWord() override;
    int WriteWord(std::uint16_t word) override;
    void SetWordOrder(int order) override;
    int GetWordOrder() override;
    std::int32_t CopyTo(jx_STREAM* target, std::int32_t position, std::int32_t count) override;
    int Printf(const char* format, ...) override;
    // Nothing to commit: the bytes are where they were written.
    int Commit() override { return 0; }
    // How many bytes a read could still take, or -1 when the stream cannot
    // tell: lets a whole stream be read into memory of its size at once.
    virtual long long BytesLeft() { return -1; }

protected:
    ~StreamBase() = default;
    // The next byte, or -1 at the end.
    virtual int ReadByte() = 0;
    // GetFileName's copy: name cut to fit buffer (size in units), always
    // terminated when size > 0. Returns the units copied.
    static int CopyName(std::u16string_view name, char16_t* buffer, int size);

private:
    int wordOrder = kWordOrderLittleEndian;
};
