// Host streams for host programs (the viewer, the palette tool, tests),
// made without a core object. Modules get theirs from OpenStream.
#pragma once

#include "plexa/PlexaApi.h"

class jx_STREAM;

// A file opened by an OpenStream file mode (read, create or replace, create
// new); null when it cannot be opened, the system's error number then in
// *error when given.
PLEXA_API jx_STREAM* OpenHostFileStream(const char16_t* path, int mode, int* error = nullptr);

// The whole of a file, a pipe or a device ("-": standard input) in a new
// memory stream that reports path as its name; null when it cannot be read,
// the system's error number then in *error.
PLEXA_API jx_STREAM* ReadWholeFile(const char16_t* path, int* error);

// What an error number from these functions or from a stream's Commit means,
// in the system's words (UTF-8), into text (size bytes, always terminated).
PLEXA_API void DescribeFileError(int error, char* text, int size);

// An empty read-write memory stream that reports fileName (may be null) as
// its file name, so that writers choosing by extension can be pointed at it.
PLEXA_API jx_STREAM* CreateMemoryStream(const char16_t* fileName);
