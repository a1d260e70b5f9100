// The one door between palettes and their files: the writer is chosen by
// the extension of the stream's file name, the reader by the stream's first
// bytes.
#pragma once

#include <string_view>

#include "palette/formats/PaletteHost.h"
#include "palette/PaletteSlots.h"
#include "plexa/jx_COLLECTION.h"
#include "plexa/jx_STREAM.h"

enum class PaletteFormat { Gimp, Aco, Ase, Plain, Html };

// The file title's part from its last '.' on ("" without one); a '.' in a
// folder name is no extension.
std::u16string_view FileExtension(const char16_t* fileName);

// ".gpl" or no extension: GIMP; ".aco": swatch file; anything else: HTML.
// Extensions compare without case; a '.' in a folder name is no extension.
PaletteFormat WriterFormatForFileName(const char16_t* fileName);

// Bytes 00 01 or 00 02: swatch file; "GIMP Palette": GIMP; "ASEF": swatch
// exchange file; JASC-PAL, RIFF, Paint.NET or a hex list: plain; else HTML.
PaletteFormat ReaderFormatForContent(const unsigned char* bytes, int count);

// Fewer bytes than this are no palette: the stream is left unread.
constexpr int kMinimumPaletteBytes = 20;

// Writes the palette in the format its stream's file name asks for; false
// when it could not be written in full (the stream's own write errors show
// at its Commit).
bool SavePaletteStream(jx_STREAM* stream, const CPaletteSlots& slots, const jx_SORTEDCOLLECTION* names,
                       PaletteHost& host);

enum class PaletteRead {
    Done,
    // Fewer than 20 bytes: nothing was read.
    TooShort,
    // The stream could not go back to where its first bytes were (a pipe).
    CannotRewind,
    // Memory ran out part way: what the lists hold is not the palette.
    OutOfMemory,
};

// Reads a palette from the stream's current position into the two lists.
PaletteRead ReadPaletteStream(jx_STREAM* stream, jx_COLLECTION* colors, jx_SORTEDCOLLECTION* names, PaletteHost& host);
