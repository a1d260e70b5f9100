// Entry of the palette tool: the arguments as UTF-16, whatever the system
// (names that are no UTF-8 keep their bytes).
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/PaletteTool.h"
#include "common/Utf8.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

int wmain(int argc, wchar_t** argv)
{
    // A palette written to standard output keeps its bytes (no CR added).
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
    return RunPaletteTool(args, stdout, stderr);
}
#else
int main(int argc, char** argv)
{
    // A reader that went away (palette show ... | head) is a write error to
    // report, not a signal that ends the tool unannounced.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(PathBytesToUtf16(argv[i]));
    return RunPaletteTool(args, stdout, stderr);
}
#endif
