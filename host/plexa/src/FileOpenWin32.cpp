#include "host/plexa/src/FileOpen.h"

#include <fcntl.h>
#include <io.h>
#include <string>
#include <sys/stat.h>

std::FILE* OpenFile(std::u16string_view path, FileAccess access)
{
    const std::wstring widePath(path.begin(), path.end());
    if (access == FileAccess::Read)
        return _wfopen(widePath.c_str(), L"rb");
    if (access == FileAccess::CreateOrReplace)
        return _wfopen(widePath.c_str(), L"wb");
    const int fd = _wopen(widePath.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE* file = _wfdopen(fd, L"wb");
    if (!file)
        _close(fd);
    return file;
}
