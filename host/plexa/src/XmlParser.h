// Parses markup into a document tree. Lenient where real files need it:
// text outside elements is ignored, an end tag that closes an ancestor also
// closes the elements left open inside it (as after an HTML <br>), stray end
// tags and unknown entity references are kept out or kept as written,
// attribute values may be unquoted or missing. Strict where safety needs
// it: no DTD entity is ever expanded, nesting deeper than kMaxXmlDepth and
// broken syntax (an unterminated comment, tag or quote) end the parse, and
// what was read before stays.
#pragma once

#include <string>
#include <string_view>

class XmlStore;

constexpr int kMaxXmlDepth = 256;

// Decodes UTF-8 or UTF-16 (by byte-order mark) into UTF-16.
std::u16string DecodeXmlBytes(std::string_view bytes);

// Adds what text holds to the store's document; true when all of it parsed.
bool ParseXml(std::u16string_view text, XmlStore& document);
