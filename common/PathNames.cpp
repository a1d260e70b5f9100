#include "common/PathNames.h"

int GetFileNameOffset(const char16_t* path)
{
    int offset = 0;
    for (int i = 0; path && path[i]; ++i)
        if (path[i] == u'\\' || path[i] == u'/' || path[i] == u':')
            offset = i + 1;
    return offset;
}

bool GetParentDir(const char16_t* path, char16_t* output, int outputSize)
{
    if (!output || outputSize <= 0)
        return false;
    output[0] = 0;
    if (!path || !path[0])
        return false;
    int end = 0;
    for (int i = 0; path[i]; ++i)
        if (path[i] == u'\\' || path[i] == u'/')
            end = i;
    // A trailing separator is the last one: the path is its own parent.
    if (end <= 0 || end >= outputSize)
        return false;
    for (int i = 0; i < end; ++i)
        output[i] = path[i];
    output[end] = 0;
    return true;
}
