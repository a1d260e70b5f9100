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

// The document's bytes as UTF-8: UTF-8 without its byte-order mark as it
// is, UTF-16 (known by its byte-order mark) converted into `converted`.
std::string_view XmlBytesAsUtf8(std::string_view bytes, std::string& converted);

// Adds what UTF-8 text holds to the store's document; true when all of it
// parsed. Texts and values are kept in UTF-16.
bool ParseXml(std::string_view text, XmlStore& document);
