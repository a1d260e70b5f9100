// Compiled against one layer's target alone, this must fail: a layer cannot
// see the headers of the layers above it.
#include HEADER_ABOVE
