#include "common/PathNames.h"

int GetFileNameOffset(const char16_t* path)
{
    int offset = 0;
    for (int i = 0; path && path[i]; ++i)
        if (path[i] == u'\\' || path[i] == u'/' || path[i] == u':')
            offset = i + 1;
    return offset;
}
