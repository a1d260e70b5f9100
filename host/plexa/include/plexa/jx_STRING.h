// A host string: owned, zero-terminated UTF-16 text that grows as needed.
#pragma once

#include "plexa/PlexaApi.h"

class PLEXA_API jx_STRING {
public:
    jx_STRING();
    explicit jx_STRING(const char16_t* text);
    jx_STRING(const jx_STRING& other);
    jx_STRING& operator=(const jx_STRING& other);
    jx_STRING& operator=(const char16_t* text);
    ~jx_STRING();

    // A null text counts as the empty text.
    void Set(const char16_t* text);
    void Add(const char16_t* text);
    // Never null; valid until the string changes.
    const char16_t* GetBuffer() const;
    int Length() const;
    // Orders by UTF-16 code units: negative, 0 when equal, positive.
    int Compare(const char16_t* text) const;
    // Copies the text in the ANSI code page into buffer (size in bytes,
    // truncated and always terminated when size > 0); returns the bytes
    // written without the terminator.
    int Get(char* buffer, int size) const;

private:
    void Assign(const char16_t* text, int count);
    void Append(const char16_t* text, int count);

    char16_t* text;
    int length;
    int capacity;
};
