#include "plexa/jx_XML.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "host/plexa/src/MemoryStream.h"
#include "host/plexa/src/StreamBase.h"
#include "common/Utf8.h"
#include "plexa/jx_REF.h"

namespace {

jx_REF<jx_XMLDOCUMENT> Parse(const std::string& bytes, bool* whole = nullptr)
{
    jx_REF<jx_XMLDOCUMENT> document(CreateXmlDocument());
    jx_REF<jx_STREAM> stream(new MemoryStream(bytes.data(), static_cast<int>(bytes.size())));
    const bool parsed = document->Load(stream.get());
    if (whole)
        *whole = parsed;
    return document;
}

std::string Saved(jx_XMLDOCUMENT* document, int flags)
{
    jx_REF<jx_STREAM> stream(new MemoryStream());
    document->Save(stream.get(), flags);
    stream->Seek(0, 0);
    std::string bytes(static_cast<std::size_t>(stream->Tell()), '\0');
    char chunk[4096];
    bytes.clear();
    for (int read; (read = stream->Read(chunk, sizeof chunk)) > 0;)
        bytes.append(chunk, static_cast<std::size_t>(read));
    return bytes;
}

std::string Text(jx_XMLNODE* node) { return node ? Utf16ToUtf8(node->Text().GetBuffer()) : "(no node)"; }

std::string Attribute(jx_XMLNODE* node, const char16_t* name)
{
    const jx_XMLATTRIBUTE* attribute = node ? node->GetAttribute(name) : nullptr;
    return attribute ? Utf16ToUtf8(attribute->value.GetBuffer()) : "(none)";
}

int Depth(jx_XMLNODE* node)
{
    int depth = 0;
    for (jx_XMLNODE* child = node->FirstChild(); child; child = child->FirstChild())
        ++depth;
    return depth;
}

// A stream that cannot tell how much it holds and hands out at most 1,000
// bytes a read, as a pipe does.
class TricklingStream final : public StreamBase {
public:
    explicit TricklingStream(std::string bytes) : bytes(std::move(bytes)) {}
    void Delete() override { delete this; }
    int Seek(std::int32_t, int) override { return -1; }
    std::int32_t Tell() override { return static_cast<std::int32_t>(position); }
    int Read(void* buffer, int count) override
    {
        const std::size_t taken =
            std::min({static_cast<std::size_t>(count), bytes.size() - position, std::size_t{1000}});
        std::memcpy(buffer, bytes.data() + position, taken);
        position += taken;
        return static_cast<int>(taken);
    }
    int Write(const void*, int) override { return 0; }
    bool IsEOF() override { return position == bytes.size(); }
    int GetFileName(char16_t*, int, int) override { return 0; }

private:
    ~TricklingStream() = default;
    int ReadByte() override { return position < bytes.size() ? static_cast<unsigned char>(bytes[position++]) : -1; }

    std::string bytes;
    std::size_t position = 0;
};

// Table 7 has entry 91 and an empty entry 55, nothing else.
const char16_t* LookupForTest(void*, std::uint32_t texts, int id)
{
    if (texts != 7)
        return nullptr;
    return id == 91 ? u"Simple palette" : id == 55 ? u"" : nullptr;
}

} // namespace

TEST(XmlDocument, BuildsSavesAndReadsBackATree)
{
    jx_REF<jx_XMLDOCUMENT> document(CreateXmlDocument());
    jx_XMLNODE* list = document->AddChild(u"palettes");
    jx_XMLNODE* first = list->AddChild(u"palette");
    first->SetAttribute(u"name", u"A \"quoted\" & <odd> name");
    first->SetAttribute(u"file", u"old");
    first->SetAttribute(u"file", u"a.gpl");
    first->Text().Set(u"caf\u00E9 & more");
    list->AddChild(u"palette")->SetAttribute(u"name", u"second");
    const std::string bytes = Saved(document.get(), kXmlSaveDeclaration | kXmlSaveIndent);
    EXPECT_EQ(bytes, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<palettes>\n"
                     "  <palette name=\"A &quot;quoted&quot; &amp; &lt;odd&gt; name\" file=\"a.gpl\">"
                     "caf\xC3\xA9 &amp; more</palette>\n  <palette name=\"second\"></palette>\n</palettes>\n");

    const auto back = Parse(bytes);
    jx_XMLNODE* readList = back->FindChild(u"palettes", nullptr);
    ASSERT_NE(readList, nullptr);
    jx_XMLNODE* readFirst = readList->FindChild(u"palette", nullptr);
    EXPECT_EQ(Attribute(readFirst, u"name"), "A \"quoted\" & <odd> name");
    EXPECT_EQ(Attribute(readFirst, u"file"), "a.gpl");
    EXPECT_EQ(Attribute(readFirst, u"missing"), "(none)");
    EXPECT_EQ(Text(readFirst), "caf\xC3\xA9 & more");
    jx_XMLNODE* second = readList->FindChild(u"palette", readFirst);
    EXPECT_EQ(Attribute(second, u"name"), "second");
    EXPECT_EQ(readList->FindChild(u"palette", second), nullptr);
    EXPECT_EQ(readFirst->Kind(), kXmlElementNode);
    EXPECT_EQ(back->Kind(), kXmlDocumentNode);
}

TEST(XmlDocument, ReadsUtf16WithAByteOrderMark)
{
    const std::u16string text = u"<a x='\u65E5'>\u00E9</a>";
    for (const bool littleEndian : {true, false}) {
        std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
        for (const char16_t unit : text) {
            const char low = static_cast<char>(unit & 0xFF);
            const char high = static_cast<char>(unit >> 8);
            bytes += littleEndian ? std::string{low, high} : std::string{high, low};
        }
        const auto document = Parse(bytes);
        jx_XMLNODE* a = document->FindChild(u"a", nullptr);
        EXPECT_EQ(Attribute(a, u"x"), "\xE6\x97\xA5");
        EXPECT_EQ(Text(a), "\xC3\xA9");
    }
    EXPECT_EQ(Text(Parse("\xEF\xBB\xBF<a>x</a>")->FindChild(u"a", nullptr)), "x");
}

TEST(XmlDocument, MalformedUtf8ReadsAsOneReplacementPerBadByteAndIsSavedValid)
{
    // A lone lead byte before markup, a stray continuation byte, an overlong
    // form and a truncated sequence at the end of a value.
    const auto document = Parse("<a x='\xC3\xA9\xC0\xAF\xE6\x97'>\xC3<b/>\x80\xE6\x97\xA5</a>");
    jx_XMLNODE* a = document->FindChild(u"a", nullptr);
    EXPECT_EQ(Attribute(a, u"x"), "\xC3\xA9\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(Text(a), "\xEF\xBF\xBD\xEF\xBF\xBD\xE6\x97\xA5");
    EXPECT_EQ(Saved(document.get(), 0), "<a x=\"\xC3\xA9\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\">"
                                        "\xEF\xBF\xBD\xEF\xBF\xBD\xE6\x97\xA5<b></b></a>");
}

TEST(XmlDocument, SkipsCommentsInstructionsAndKeepsCdata)
{
    const auto document = Parse("<?xml version='1.0'?><!-- <b>not</b> --><a>1<![CDATA[<2>&amp;]]><?pi x?>3</a>");
    jx_XMLNODE* a = document->FindChild(u"a", nullptr);
    EXPECT_EQ(Text(a), "1<2>&amp;3");
    EXPECT_EQ(a->FirstChild(), nullptr);
}

TEST(XmlDocument, DecodesPredefinedAndNumericReferencesOnly)
{
    const auto document = Parse("<a t='&lt;&#65;&#x42;&#x1F600;'>&amp;&gt;&quot;&apos; &nbsp; &#0; &bogus &#xZZ;</a>");
    jx_XMLNODE* a = document->FindChild(u"a", nullptr);
    EXPECT_EQ(Attribute(a, u"t"), "<AB\xF0\x9F\x98\x80");
    EXPECT_EQ(Text(a), "&>\"' &nbsp; &#0; &bogus &#xZZ;");
    // Surrogates are no characters: kept as written, as is what lies beyond
    // the last character; their neighbours are characters.
    const auto edges = Parse("<a>&#xD7FF;&#xD800;&#xDBFF;&#xDC00;&#xDFFF;&#xE000;&#x10FFFF;&#x110000;&#55296;</a>");
    EXPECT_EQ(Text(edges->FindChild(u"a", nullptr)),
              "\xED\x9F\xBF&#xD800;&#xDBFF;&#xDC00;&#xDFFF;\xEE\x80\x80\xF4\x8F\xBF\xBF&#x110000;&#55296;");
}

TEST(XmlDocument, NeverExpandsDtdEntities)
{
    const auto document = Parse("<!DOCTYPE lolz [<!ENTITY lol \"lol\"><!ENTITY lol2 \"&lol;&lol;&lol;\">]>"
                                "<lolz>&lol2;</lolz>");
    EXPECT_EQ(Text(document->FindChild(u"lolz", nullptr)), "&lol2;");
    // A declaration ends at the first '>' outside its brackets, nested or none.
    for (const char* declaration : {"<!DOCTYPE html>", "<!DOCTYPE d [<!ENTITY e '[x]>'> [<!-- ] -->]]>"}) {
        bool whole = false;
        const auto page = Parse(std::string(declaration) + "<r>text</r>", &whole);
        EXPECT_TRUE(whole) << declaration;
        EXPECT_EQ(Text(page->FindChild(u"r", nullptr)), "text") << declaration;
    }
}

TEST(XmlDocument, LimitsNestingDepth)
{
    std::string deep;
    for (int i = 0; i < 5000; ++i)
        deep += "<a>";
    bool whole = true;
    const auto document = Parse(deep, &whole);
    EXPECT_FALSE(whole);
    EXPECT_LE(Depth(document.get()), 256);
    EXPECT_GE(Depth(document.get()), 200);
}

TEST(XmlDocument, AnEndTagClosingElementsLeftOpenGivesBackTheirDepth)
{
    // Each row's <br> is closed by </td>: 300 such rows all stay in the table.
    std::string rows;
    for (int i = 0; i < 300; ++i)
        rows += "<tr><td><br>x</td></tr>";
    bool whole = false;
    const auto document = Parse("<table>" + rows + "</table>", &whole);
    EXPECT_TRUE(whole);
    int count = 0;
    jx_XMLNODE* table = document->FindChild(u"table", nullptr);
    for (jx_XMLNODE* row = table ? table->FirstChild() : nullptr; row; row = row->NextSibling())
        ++count;
    EXPECT_EQ(count, 300);
}

TEST(XmlDocument, ARepeatedAttributeKeepsItsFirstPlaceAndTakesTheLastValue)
{
    // In a short tag, as the last of as many attributes as are searched
    // (the 16th) and as the first beyond them, and in a long tag whose
    // repeated names are merged after its end.
    for (const int extra : {1, 14, 15, 30}) {
        std::string tag = "<e a='1'";
        for (int i = 0; i < extra; ++i)
            tag += " x" + std::to_string(i) + "='y'";
        const auto document = Parse(tag + " a='2'" + (extra == 30 ? " b='3'" : "") + "/>");
        const std::string saved = Saved(document.get(), 0);
        EXPECT_EQ(Attribute(document->FindChild(u"e", nullptr), u"a"), "2");
        EXPECT_EQ(saved.substr(0, 11), "<e a=\"2\" x0");
        EXPECT_EQ(saved.find("a=", 5), std::string::npos);
    }
}

TEST(XmlDocument, KeepsWhatWasReadBeforeBrokenMarkup)
{
    bool whole = true;
    const auto document = Parse("<a><b x='1'/><c y='unterminated></c></a>", &whole);
    EXPECT_FALSE(whole);
    jx_XMLNODE* a = document->FindChild(u"a", nullptr);
    EXPECT_EQ(Attribute(a ? a->FindChild(u"b", nullptr) : nullptr, u"x"), "1");
    EXPECT_FALSE(Parse("<a><!-- never closed", &whole)->FirstChild() == nullptr);
    EXPECT_FALSE(whole);
}

TEST(XmlDocument, RecoversFromHtmlHabits)
{
    bool whole = false;
    const auto document =
        Parse("# Title\ntext a < b\n<table border=1 nowrap><tr><td>x<br>y</td></span></tr></table>", &whole);
    EXPECT_TRUE(whole);
    jx_XMLNODE* table = document->FindChild(u"table", nullptr);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(Attribute(table, u"border"), "1");
    EXPECT_EQ(Attribute(table, u"nowrap"), "");
    jx_XMLNODE* row = table->FindChild(u"tr", nullptr);
    jx_XMLNODE* cell = row ? row->FindChild(u"td", nullptr) : nullptr;
    EXPECT_EQ(Text(cell), "x");
    // The row is a child of the table, not of the unclosed <br>.
    EXPECT_EQ(table->NextSibling(), nullptr);
}

TEST(XmlDocument, BoundDocumentsReadPlaceholderAttributesAsTexts)
{
    jx_REF<jx_XMLDOCUMENT> document(CreateXmlDocument(LookupForTest, nullptr));
    jx_XMLNODE* entry = document->AddChild(u"palette");
    entry->SetAttribute(u"name", u"#91");
    entry->SetAttribute(u"other", u"#92");
    entry->SetAttribute(u"empty", u"#55");
    EXPECT_EQ(Attribute(entry, u"name"), "#91");
    document->BindModule(7);
    EXPECT_EQ(Attribute(entry, u"name"), "Simple palette");
    EXPECT_EQ(Attribute(entry, u"other"), "#92");
    EXPECT_EQ(Attribute(entry, u"empty"), "");
}

TEST(XmlDocument, ATagCutOffBeforeItsEndAddsNothing)
{
    for (const char* cut : {"<tr><td>a</td><td bgcolor=\"#00", "<tr><td>a</td><td bgcolor", "<tr><td>a</td><td "}) {
        const auto document = Parse(cut);
        jx_XMLNODE* row = document->FindChild(u"tr", nullptr);
        ASSERT_NE(row, nullptr) << cut;
        jx_XMLNODE* first = row->FindChild(u"td", nullptr);
        EXPECT_EQ(row->FindChild(u"td", first), nullptr) << cut;
    }
}

TEST(XmlDocument, AttributeNamesMatchExactlyFirstThenInAnyCase)
{
    const auto document = Parse("<td BGCOLOR='#ff0000' Width='1' width='2'/>");
    jx_XMLNODE* cell = document->FindChild(u"td", nullptr);
    EXPECT_EQ(Attribute(cell, u"bgcolor"), "#ff0000");
    EXPECT_EQ(Attribute(cell, u"width"), "2");
    EXPECT_EQ(Attribute(cell, u"WIDTH"), "1");
    EXPECT_EQ(Attribute(cell, u"bgcolo"), "(none)");
}

TEST(XmlDocument, LoadReplacesTheContent)
{
    jx_REF<jx_XMLDOCUMENT> document(CreateXmlDocument());
    document->AddChild(u"old");
    jx_REF<jx_STREAM> stream(new MemoryStream("<new/>", 6));
    EXPECT_TRUE(document->Load(stream.get()));
    EXPECT_EQ(document->FindChild(u"old", nullptr), nullptr);
    EXPECT_NE(document->FindChild(u"new", nullptr), nullptr);
    EXPECT_FALSE(document->Load(nullptr));
}

TEST(XmlDocument, ALargeDocumentIsReadWholeFromAStreamOfAnyKind)
{
    // 30,000 elements, each with a child, an attribute of a name of its own
    // and a text around the child; values of every length up to beyond a
    // block of text, one of them far beyond.
    constexpr int kElements = 30000;
    std::string markup = "<list>";
    // Saved, the text comes before the child, which has an end tag.
    std::string saved = "<list>";
    const auto value = [](int i) {
        const std::size_t length = i == 7 ? 40000 : i == 8 ? 4095 : i == 9 ? 4096 : static_cast<std::size_t>(i % 500);
        return std::string(length, static_cast<char>('a' + i % 26));
    };
    for (int i = 0; i < kElements; ++i)
        markup += "<e n" + std::to_string(i) + "=\"" + value(i) + "\">t" + std::to_string(i) + "<k/>" +
                  std::to_string(i % 10) + "</e>";
    for (int i = 0; i < kElements; ++i)
        saved += "<e n" + std::to_string(i) + "=\"" + value(i) + "\">t" + std::to_string(i) + std::to_string(i % 10) +
                 "<k></k></e>";
    markup += "</list>";
    saved += "</list>";
    for (const bool trickling : {false, true}) {
        jx_REF<jx_XMLDOCUMENT> document(CreateXmlDocument());
        jx_REF<jx_STREAM> stream(trickling ? static_cast<jx_STREAM*>(new TricklingStream(markup))
                                           : new MemoryStream(markup.data(), static_cast<int>(markup.size())));
        ASSERT_TRUE(document->Load(stream.get()));
        jx_XMLNODE* list = document->FindChild(u"list", nullptr);
        ASSERT_NE(list, nullptr);
        int i = 0;
        for (jx_XMLNODE* e = list->FirstChild(); e; e = e->NextSibling(), ++i) {
            const std::u16string name = Utf8ToUtf16("n" + std::to_string(i));
            ASSERT_EQ(Attribute(e, name.c_str()), value(i)) << "element " << i;
            ASSERT_EQ(Text(e), "t" + std::to_string(i) + std::to_string(i % 10)) << "element " << i;
            ASSERT_NE(e->FindChild(u"k", nullptr), nullptr) << "element " << i;
        }
        EXPECT_EQ(i, kElements);
        EXPECT_TRUE(Saved(document.get(), 0) == saved);
    }
}
