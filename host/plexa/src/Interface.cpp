#include "plexa/jx_EXTENSION.h"
#include "plexa/jx_CORE.h"

#include "common/AsciiText.h"

jx_interface::jx_interface() : references(1) {}

int jx_interface::AddRef() { return ++references; }

int jx_interface::Release()
{
    const int left = --references;
    if (left == 0)
        Delete();
    return left;
}

bool jx_EXTENSION::IsTypeOf(const char* typeName) { return EqualsIgnoringAsciiCase(typeName, "Extension"); }

JXRESULT jx_EXTENSION::SetParam(int, unsigned, jx_VALUETYPE) { return JX_E_NOTIMPL; }

JXRESULT jx_EXTENSION::GetParam(int, unsigned, jx_VALUETYPE) { return JX_E_NOTIMPL; }

JXRESULT jx_EXTENSION::QueryInfo(jx_XMLNODE*, unsigned) { return JX_E_NOTIMPL; }

JXRESULT jx_EXTENSION::Invoke(int, jx_PARAM*, jx_CONTEXT*) { return JX_E_NOTIMPL; }

jx_FRAME::jx_FRAME() : modalDepth(0), listener(nullptr), listenerContext(nullptr) {}

jx_FRAME::~jx_FRAME() = default;

void jx_FRAME::SetModalState(int state)
{
    if (state)
        ++modalDepth;
    else if (modalDepth > 0)
        --modalDepth;
    if (listener)
        listener(listenerContext, IsModal() ? 1 : 0);
}

bool jx_FRAME::IsModal() const { return modalDepth > 0; }

void jx_FRAME::SetListener(ModalStateListener newListener, void* context)
{
    listener = newListener;
    listenerContext = context;
}
