// What the palette formats need of the host beyond streams: XML documents
// for HTML tables, and a way to tell the user about a swatch file's color
// space that cannot be read.
#pragma once

class jx_XMLDOCUMENT;

class PaletteHost {
public:
    virtual ~PaletteHost() = default;
    // A new empty document (one reference, the caller's), or null.
    virtual jx_XMLDOCUMENT* CreateXmlDocument() = 0;
    virtual void ReportMessage(const char* text) = 0;
};
