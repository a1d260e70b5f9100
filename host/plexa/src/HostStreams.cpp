#include "plexa/HostStreams.h"

#include "host/plexa/src/FileStream.h"
#include "host/plexa/src/MemoryStream.h"

jx_STREAM* OpenHostFileStream(const char16_t* path, int mode) { return OpenFileStream(path, mode); }

jx_STREAM* CreateMemoryStream(const char16_t* fileName) { return new MemoryStream(fileName ? fileName : u""); }
