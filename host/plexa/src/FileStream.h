// A stream over a file opened for reading, or for writing: then the bytes go
// to a file beside the target that takes the target's place at Commit.
#pragma once

#include <cstdio>
#include <string>

#include "host/plexa/src/StreamBase.h"

class FileStream final : public StreamBase {
public:
    // Takes ownership of file; path is what GetFileName reports.
    FileStream(std::FILE* file, std::u16string path);
    // Takes ownership of file, written at `temporary` for `target`.
    FileStream(std::FILE* file, std::u16string target, std::u16string temporary, bool replace);

    void Delete() override;
    int Seek(std::int32_t position, int origin) override;
    std::int32_t Tell() override;
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;
    bool IsEOF() override;
    // flags 1: the full path; otherwise the name after the last separator.
    int GetFileName(char16_t* buffer, int size, int flags) override;
    int Commit() override;
    long long BytesLeft() override;

private:
    ~FileStream();
    int ReadByte() override;

    std::FILE* file;
    std::u16string path;
    // Empty for a file opened for reading, and once committed.
    std::u16string temporary;
    bool replace = false;
    // The first write error; it makes Commit fail.
    int writeError = 0;
};

// Opens path by an OpenStream file mode; null when it cannot be opened
// (error: the system's error number) or the mode is not a file mode.
FileStream* OpenFileStream(const char16_t* path, int mode, int& error);
