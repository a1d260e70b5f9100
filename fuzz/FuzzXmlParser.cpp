// Parses the input as a document, walks the tree, saves it, and parses what
// was saved: the serialiser's output must always read back.
#include <cstddef>
#include <cstdint>

#include "host/plexa/src/MemoryStream.h"
#include "plexa/jx_REF.h"
#include "plexa/jx_XML.h"

namespace {

int Walk(jx_XMLNODE* node, int depth)
{
    int count = 1;
    node->GetAttribute(u"bgcolor");
    node->FindChild(u"td", nullptr);
    for (jx_XMLNODE* child = node->FirstChild(); child; child = child->NextSibling())
        count += Walk(child, depth + 1);
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const jx_REF<jx_XMLDOCUMENT> document(CreateXmlDocument());
    const jx_REF<jx_STREAM> input(new MemoryStream(data, static_cast<std::int32_t>(size)));
    document->Load(input.get());
    const int nodes = Walk(document.get(), 0);

    const jx_REF<jx_STREAM> saved(new MemoryStream());
    document->Save(saved.get(), kXmlSaveDeclaration | kXmlSaveIndent);
    saved->Seek(0, 0);
    const jx_REF<jx_XMLDOCUMENT> again(CreateXmlDocument());
    if (!again->Load(saved.get()) || Walk(again.get(), 0) != nodes)
        __builtin_trap();
    return 0;
}
