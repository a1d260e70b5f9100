#include "palette/formats/PaletteDispatch.h"

#include <gtest/gtest.h>

#include "palette/formats/PaletteLists.h"
#include "tests/palette/PaletteTestSupport.h"

TEST(PaletteDispatch, ChoosesTheWriterByExtension)
{
    struct Case {
        const char16_t* name;
        PaletteFormat format;
    };
    const Case cases[] = {
        {u"Colors.GPL", PaletteFormat::Gimp},
        {u"Colors", PaletteFormat::Gimp},
        {u"C:\\a.b\\Colors", PaletteFormat::Gimp},
        {u"", PaletteFormat::Gimp},
        {nullptr, PaletteFormat::Gimp},
        {u"Colors.ACO", PaletteFormat::Aco},
        {u"x:y.aco", PaletteFormat::Aco},
        {u"Colors.htm", PaletteFormat::Html},
        {u"Colors.txt", PaletteFormat::Html},
        {u"Colors.gpl.bak", PaletteFormat::Html},
        {u"Colors.", PaletteFormat::Html},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WriterFormatForFileName(c.name), c.format) << (c.name ? std::u16string(c.name).size() : 0);
}

TEST(PaletteDispatch, ChoosesTheReaderByContent)
{
    const auto format = [](const std::string& bytes) {
        return ReaderFormatForContent(reinterpret_cast<const unsigned char*>(bytes.data()),
                                      static_cast<int>(bytes.size()));
    };
    EXPECT_EQ(format(std::string("\0\1\0\2", 4)), PaletteFormat::Aco);
    EXPECT_EQ(format(std::string("\0\2\0\0", 4)), PaletteFormat::Aco);
    EXPECT_EQ(format(std::string("\0\3\0\0", 4)), PaletteFormat::Html);
    EXPECT_EQ(format("GIMP Palette\n"), PaletteFormat::Gimp);
    EXPECT_EQ(format("GIMP Palettes\n"), PaletteFormat::Gimp);
    EXPECT_EQ(format("gimp palette\n"), PaletteFormat::Html);
    EXPECT_EQ(format("<table>"), PaletteFormat::Html);
}

TEST(PaletteDispatch, SavesInTheFormatOfTheFileName)
{
    TestPaletteHost host;
    const CPaletteSlots slots = SlotsOf({0x0000FF});
    for (const auto& [name, start] :
         std::vector<std::pair<std::u16string, std::string>>{{u"C:\\x\\Colors.GPL", "GIMP Palette"},
                                                             {u"Colors.ACO", std::string("\0\1", 2)},
                                                             {u"Colors.htm", "<?xml"}}) {
        const auto stream = NamedMemoryStream(name);
        SavePaletteStream(stream.get(), slots, nullptr, host);
        EXPECT_EQ(StreamBytes(stream.get()).substr(0, start.size()), start);
    }
}

TEST(PaletteDispatch, IgnoresStreamsShorterThanTwentyBytes)
{
    TestPaletteHost host;
    const std::string nineteen = "GIMP Palette\n1 2 3\n";
    ASSERT_EQ(nineteen.size(), 19u);
    const auto shortStream = StreamOf(nineteen);
    const jx_REF<jx_COLLECTION> colors(CreateColorList());
    const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
    EXPECT_EQ(ReadPaletteStream(shortStream.get(), colors.get(), names.get(), host), PaletteRead::TooShort);
    EXPECT_EQ(colors->Count(), 0);

    const auto twenty = StreamOf(nineteen + "\n");
    EXPECT_EQ(ReadPaletteStream(twenty.get(), colors.get(), names.get(), host), PaletteRead::Done);
    EXPECT_EQ(colors->Count(), 1);
}

TEST(PaletteDispatch, ReadsByContentWhateverTheName)
{
    TestPaletteHost host;
    // A GIMP palette under a swatch file's name is still a GIMP palette.
    const auto gimp = NamedMemoryStream(u"colors.aco");
    const std::string text = "GIMP Palette\nName: x\n#\n255 0 0\tRed\n";
    gimp->Write(text.data(), static_cast<int>(text.size()));
    gimp->Seek(0, 0);
    const jx_REF<jx_COLLECTION> colors(CreateColorList());
    const jx_REF<jx_SORTEDCOLLECTION> names(CreateColorNameTable());
    EXPECT_EQ(ReadPaletteStream(gimp.get(), colors.get(), names.get(), host), PaletteRead::Done);
    EXPECT_EQ(Collect(colors.get(), names.get()).colors, std::vector<std::uint32_t>{0x0000FF});
}
