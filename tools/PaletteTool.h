// The palette command-line tool: shows a palette file, or converts it into
// the format another file name's extension selects.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// args excludes the program name. Prints to out and err; returns the exit
// code: 0 done, 1 a file could not be read or written, 2 wrong usage.
int RunPaletteTool(const std::vector<std::u16string>& args, std::FILE* out, std::FILE* err);
