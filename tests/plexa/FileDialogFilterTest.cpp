#include "host/plexa/src/FileDialogFilter.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(FileDialogFilter, SplitsTheTitleAndThePairs)
{
    const FileDialogFilter filter = ParseFileDialogFilter(
        u"Palette|Palette (*.html)|*.html|GIMP Palette (*.gpl)|*.gpl|ACO file (*.aco)|*.aco|All Files (*.*)|*.*|");
    EXPECT_EQ(filter.title, u"Palette");
    EXPECT_EQ(filter.pairs, u"Palette (*.html)\0*.html\0GIMP Palette (*.gpl)\0*.gpl\0"
                            u"ACO file (*.aco)\0*.aco\0All Files (*.*)\0*.*\0\0"s);
}

TEST(FileDialogFilter, DropsADescriptionWithoutPatterns)
{
    const FileDialogFilter filter = ParseFileDialogFilter(u"T|Text|*.txt|Dangling");
    EXPECT_EQ(filter.pairs, u"Text\0*.txt\0\0"s);
    const FileDialogFilter empty = ParseFileDialogFilter(u"");
    EXPECT_EQ(empty.title, u"");
    EXPECT_EQ(empty.pairs, std::u16string(1, u'\0'));
}
