// Host streams for host programs (the viewer, the palette tool, tests),
// made without a core object. Modules get theirs from OpenStream.
#pragma once

#include "plexa/PlexaApi.h"

class jx_STREAM;

// A file opened by an OpenStream file mode (read, create or replace, create
// new); null when it cannot be opened.
PLEXA_API jx_STREAM* OpenHostFileStream(const char16_t* path, int mode);

// An empty read-write memory stream that reports fileName (may be null) as
// its file name, so that writers choosing by extension can be pointed at it.
PLEXA_API jx_STREAM* CreateMemoryStream(const char16_t* fileName);
