// The stream operations that every kind of host stream shares, built on the
// few primitives (Read, Write, Seek, Tell, ReadByte) each kind supplies.
#pragma once

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

protected:
    ~StreamBase() = default;
    // The next byte, or -1 at the end.
    virtual int ReadByte() = 0;

private:
    int wordOrder = kWordOrderLittleEndian;
};
