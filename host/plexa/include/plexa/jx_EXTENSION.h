// Extension objects of the host's extension model, and the picker extension
// interface through which any component asks the user for a color.
#pragma once

#include <cstdint>

#include "plexa/jx_interface.h"

enum jx_VALUETYPE : std::int32_t {
    jx_VT_EMPTY = 0,
    jx_VT_INT = 1,
    jx_VT_FLOAT = 2,
    jx_VT_TEXT = 3,
};

class jx_XMLNODE;
class jx_PARAM;
class jx_CONTEXT;

class PLEXA_API jx_EXTENSION : public jx_interface {
public:
    virtual const char* GetTypeName() = 0;
    virtual int QueryStatus() = 0;
    // Every extension is of the type "Extension" (compared ignoring case).
    virtual bool IsTypeOf(const char* typeName);
    // The generic parameter and command operations do nothing for an
    // extension that does not define them.
    virtual JXRESULT SetParam(int id, unsigned value, jx_VALUETYPE type);
    virtual JXRESULT GetParam(int id, unsigned value, jx_VALUETYPE type);
    virtual JXRESULT QueryInfo(jx_XMLNODE* info, unsigned flags);
    virtual JXRESULT Invoke(int command, jx_PARAM* params, jx_CONTEXT* context);

protected:
    ~jx_EXTENSION() = default;
};

// Nine 32-bit words owned by the caller of PickColor. Word 1 is the requester
// window, word 3 the color (in and out), word 5 the option bits; the module
// reads no other word.
struct PickerRequest {
    std::uint32_t word[9];
};

class PLEXA_API jx_COLORPIKER : public jx_EXTENSION {
public:
    // Runs the picker dialog; returns its end code (1 confirmed, 0 cancelled).
    virtual int PickColor(PickerRequest* request) = 0;

protected:
    ~jx_COLORPIKER() = default;
};
