// The extension object the host receives for the type "ColorPiker": its
// PickColor runs one modal picker dialog per call. It holds no state of its
// own; the host owns it and frees it through reference counting.
#pragma once

#include "plexa/jx_EXTENSION.h"

class jx_ClrPiker final : public jx_COLORPIKER {
public:
    void Delete() override;
    const char* GetTypeName() override;
    int QueryStatus() override;
    bool IsTypeOf(const char* typeName) override;
    // Returns the dialog's end code: 1 confirmed, 0 cancelled, -1 when the
    // dialog could not be created. Word 3 of the request receives the chosen
    // color only for a nonzero result.
    int PickColor(PickerRequest* request) override;

private:
    ~jx_ClrPiker() = default;
};
