// Opening, replacing and removing files by their UTF-16 paths, the steps of
// file streams that differ between Windows and the native build.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Binary mode, for reading; null when the file cannot be opened, and then
// error is the system's error number.
std::FILE* OpenFileForReading(std::u16string_view path, int& error);

// Every byte of a file, a pipe or a device ("-": standard input); 0 or the
// system's error number (a folder is an error too).
int ReadAllBytes(std::u16string_view path, std::vector<unsigned char>& bytes);

// The system's words for its error number.
std::string ErrorText(int error);
// The system's error numbers for a name that is taken and for no memory.
int AlreadyExistsError();
// Why the last write into a file failed.
int LastWriteError();
int OutOfMemoryError();

// A new, empty file in the folder of target under a name no other file
// has (created exclusively, never through a link planted there), with the
// permissions of target when it exists. Its path goes to `temporary`.
// Null when it cannot be created (or target is a folder or read-only);
// errorNumber says why.
std::FILE* CreateFileBeside(std::u16string_view target, std::u16string& temporary, int& errorNumber);

// Flushes the file's bytes to the disk and closes it; 0 or the error.
int SyncAndClose(std::FILE* file);

// Gives the file at `from` the name `to`: over an existing file when
// replace is set, else only when there is none. 0 or the error.
int MoveFileInto(const std::u16string& from, const std::u16string& to, bool replace);

// True when something (a file, a folder) is at path.
bool PathExists(std::u16string_view path);

void RemoveFile(const std::u16string& path);
