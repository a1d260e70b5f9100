#include "host/plexa/src/FileOpen.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <random>

namespace {

constexpr int kNameAttempts = 100;

// A folder given where a file belongs.
int DirectoryError() { return ERROR_DIRECTORY; }

std::wstring Wide(std::u16string_view path) { return std::wstring(path.begin(), path.end()); }

std::u16string FolderOf(std::u16string_view path)
{
    const auto separator = path.find_last_of(u"\\/:");
    return std::u16string(separator == std::u16string_view::npos ? u"" : path.substr(0, separator + 1));
}

} // namespace

std::FILE* OpenFileForReading(std::u16string_view path, int& error)
{
    std::FILE* file = _wfopen(Wide(path).c_str(), L"rb");
    if (!file)
        error = static_cast<int>(_doserrno);
    return file;
}

int ReadAllBytes(std::u16string_view path, std::vector<unsigned char>& bytes)
{
    const bool standardInput = path == u"-";
    if (!standardInput) {
        const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return DirectoryError();
    }
    HANDLE handle = standardInput ? GetStdHandle(STD_INPUT_HANDLE)
                                  : CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE || !handle)
        return static_cast<int>(GetLastError());
    int error = 0;
    unsigned char chunk[65536];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(handle, chunk, sizeof chunk, &count, nullptr)) {
            // The other end of a pipe closed: that is its end.
            if (GetLastError() != ERROR_BROKEN_PIPE)
                error = static_cast<int>(GetLastError());
            break;
        }
        if (count == 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    if (!standardInput)
        CloseHandle(handle);
    return error;
}

std::string ErrorText(int error)
{
    if (error == DirectoryError())
        return "is a folder";
    wchar_t* words = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::string text;
    if (words) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, words, -1, nullptr, 0, nullptr, nullptr);
        text.resize(bytes > 0 ? static_cast<std::size_t>(bytes - 1) : 0);
        WideCharToMultiByte(CP_UTF8, 0, words, -1, text.data(), bytes, nullptr, nullptr);
        LocalFree(words);
    }
    // The system ends its messages with a full stop and a line break.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "error " + std::to_string(error) : text;
}

int AlreadyExistsError() { return ERROR_FILE_EXISTS; }

int LastWriteError() { return _doserrno ? static_cast<int>(_doserrno) : ERROR_WRITE_FAULT; }

int OutOfMemoryError() { return ERROR_NOT_ENOUGH_MEMORY; }

std::FILE* CreateFileBeside(std::u16string_view target, std::u16string& temporary, int& errorNumber)
{
    const DWORD old = GetFileAttributesW(Wide(target).c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_DIRECTORY)) {
        errorNumber = DirectoryError();
        return nullptr;
    }
    // A read-only file is not replaced (Windows refuses to move over one;
    // Wine would not).
    if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY)) {
        errorNumber = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    // A replaced file keeps its hidden, system and archive marks.
    const DWORD attributes =
        old == INVALID_FILE_ATTRIBUTES
            ? FILE_ATTRIBUTE_NORMAL
            : (old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE)) | FILE_ATTRIBUTE_NORMAL;
    std::random_device entropy;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        wchar_t name[32];
        swprintf(name, 32, L"~plexa-%08x.tmp", static_cast<unsigned>(entropy()));
        temporary = FolderOf(target) + std::u16string(name, name + wcslen(name));
        HANDLE handle =
            CreateFileW(Wide(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            errorNumber = static_cast<int>(GetLastError());
            if (errorNumber == ERROR_FILE_EXISTS)
                continue;
            return nullptr;
        }
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
        if (fd < 0) {
            CloseHandle(handle);
        } else if (std::FILE* file = _fdopen(fd, "wb")) {
            return file;
        } else {
            _close(fd);
        }
        errorNumber = ERROR_NOT_ENOUGH_MEMORY;
        DeleteFileW(Wide(temporary).c_str());
        return nullptr;
    }
    return nullptr;
}

int SyncAndClose(std::FILE* file)
{
    int error = 0;
    if (std::fflush(file) != 0)
        error = ERROR_WRITE_FAULT;
    else if (!FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))))
        error = static_cast<int>(GetLastError());
    if (std::fclose(file) != 0 && error == 0)
        error = ERROR_WRITE_FAULT;
    return error;
}

int MoveFileInto(const std::u16string& from, const std::u16string& to, bool replace)
{
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), flags) ? 0 : static_cast<int>(GetLastError());
}

bool PathExists(std::u16string_view path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveFile(const std::u16string& path) { DeleteFileW(Wide(path).c_str()); }
