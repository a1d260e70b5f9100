// A host stream: a file, a module resource or a block of memory, read and
// written through one interface. Obtained from the core object's OpenStream.
#pragma once

#include <cstdint>

#include "plexa/jx_interface.h"

constexpr int kWordOrderLittleEndian = 1;
constexpr int kWordOrderBigEndian = 2;

class jx_STREAM : public jx_interface {
public:
    // origin 0: from the start, 1: from the current position. 0 on success.
    virtual int Seek(std::int32_t position, int origin) = 0;
    virtual std::int32_t Tell() = 0;
    // Returns the bytes transferred.
    virtual int Read(void* buffer, int count) = 0;
    virtual int Write(const void* buffer, int count) = 0;
    // True once no byte is left to read.
    virtual bool IsEOF() = 0;
    // Reads one line into buffer (size in bytes) without its CR LF or LF; the
    // last line counts even without LF. A line longer than the buffer is cut
    // and the rest of it skipped. Returns 0 at the end of the stream, else 1.
    virtual int ReadLine(char* buffer, int size) = 0;
    // One 16-bit word in the stream's word order. ReadWord answers -1 at the
    // end of the stream; WriteWord answers 0 on success.
    virtual int ReadWord() = 0;
    virtual int WriteWord(std::uint16_t word) = 0;
    virtual void SetWordOrder(int order) = 0;
    virtual int GetWordOrder() = 0;
    // Copies count bytes (-1: all) from position (-1: the current one) of
    // this stream to target; returns the bytes copied.
    virtual std::int32_t CopyTo(jx_STREAM* target, std::int32_t position, std::int32_t count) = 0;
    // The stream's file name into buffer (size in units); empty for streams
    // without one. flags 1: the full path. Returns its length.
    virtual int GetFileName(char16_t* buffer, int size, int flags) = 0;
    // printf-style write of 8-bit text; returns the bytes written or -1.
    virtual int Printf(const char* format, ...) = 0;
    // A file opened to be created or replaced is written beside its target
    // under a name of its own; Commit flushes it to the disk and puts it in
    // the target's place in one step. 0 on success (and for streams that are
    // no such file); otherwise the system's error number, the written bytes
    // are gone and the old file, if any, is as it was. Releasing such a
    // stream without Commit drops what was written: a writer that gave up
    // part way leaves the old file.
    virtual int Commit() = 0;

protected:
    ~jx_STREAM() = default;
};
