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

// The extension type of color pickers, compared ignoring case.
inline constexpr char kColorPikerTypeName[] = "ColorPiker";

// Nine 32-bit words owned by the caller of PickColor; the picker reads only
// the three named below.
struct PickerRequest {
    std::uint32_t word[9];
};

// Word indexes of a PickerRequest.
enum PickerRequestWord : int {
    // The requester window (a handle in 32 bits): owner of the dialog and
    // receiver of kColorChangeMessageName while it runs.
    kPickerRequester = 1,
    // In: the original color, a CRGBA with its alpha in the top byte. Out:
    // the chosen color, written only when PickColor answers nonzero.
    kPickerColor = 3,
    kPickerOptions = 5,
};

// Option bits of word kPickerOptions.
inline constexpr std::uint32_t kPickerCloseOnly = 0x20000000; // no OK button; Cancel reads "Close"
inline constexpr std::uint32_t kPickerAlpha = 0x10000000;     // edit the alpha channel too

// The registered window message (RegisterWindowMessageA) sent to the
// requester with each new current color: wParam the CRGBA, lParam 0.
inline constexpr char kColorChangeMessageName[] = "3D color picker";

class PLEXA_API jx_COLORPIKER : public jx_EXTENSION {
public:
    // Runs the picker dialog; returns its end code (1 confirmed, 0 cancelled).
    virtual int PickColor(PickerRequest* request) = 0;

protected:
    ~jx_COLORPIKER() = default;
};
