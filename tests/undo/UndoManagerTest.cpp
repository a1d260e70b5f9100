#include "undo/UndoManager.h"

#include <gtest/gtest.h>

#include <vector>

#include "palette/ColorNameTable.h"
#include "palette/PaletteLoad.h"
#include "palette/formats/GimpPalette.h"
#include "palette/formats/PaletteDispatch.h"
#include "palette/formats/PaletteHost.h"
#include "palette/formats/PaletteLists.h"
#include "plexa/HostStreams.h"
#include "plexa/jx_REF.h"
#include "undo/UndoTarget.h"

namespace {

class NoDocuments final : public PaletteHost {
public:
    jx_XMLDOCUMENT* CreateXmlDocument() override { return nullptr; }
    void ReportMessage(const char*) override {}
};

// A dialog as the history sees it, with the real palette reader and writer
// behind its snapshots; its setters record as the dialog's do.
class FakeDialog final : public UndoTarget {
public:
    explicit FakeDialog(mjx_UNDOMGR& history) : history(history)
    {
        const jx_REF<jx_SORTEDCOLLECTION> table(CreateColorNameTable());
        names.SetTable(table.get());
        history.Bind(this);
    }
    ~FakeDialog() { history.Unbind(this); }

    std::uint32_t UndoColor() const override { return color; }
    void SetUndoColor(std::uint32_t value) override { SetColor(value); }
    bool IsUpdating() const override { return updating; }
    CPaletteSlots& UndoSlots() override { return slots; }
    void SlotsChanged() override { ++repaints; }
    jx_STREAM* SnapshotPalette() override
    {
        jx_STREAM* stream = CreateMemoryStream(nullptr);
        WriteGimpPalette(stream, slots, names.Table());
        stream->Seek(0, 0);
        return stream;
    }
    void LoadPaletteSnapshot(jx_STREAM* snapshot) override { Load(snapshot, true); }

    void SetColor(std::uint32_t value)
    {
        history.RecordNewColor(*this, color);
        color = value;
    }
    void SetSlot(int index, std::uint32_t value)
    {
        history.RecordSlot(*this, index);
        slots.Set(index, value);
    }
    void Load(jx_STREAM* stream, bool replace)
    {
        const jx_REF<jx_COLLECTION> colors(CreateColorList());
        const jx_REF<jx_SORTEDCOLLECTION> loaded(CreateColorNameTable());
        NoDocuments host;
        if (ReadPaletteStream(stream, colors.get(), loaded.get(), host) != PaletteRead::Done)
            return;
        history.RecordPaletteLoad(*this);
        ApplyLoadedPalette(slots, names, colors.get(), loaded.get(), replace, replace);
    }
    void LoadText(const char* text, bool replace)
    {
        const jx_REF<jx_STREAM> stream(CreateMemoryStream(nullptr));
        stream->Write(text, static_cast<int>(std::char_traits<char>::length(text)));
        stream->Seek(0, 0);
        Load(stream.get(), replace);
    }
    std::vector<std::uint32_t> Used() const
    {
        std::vector<std::uint32_t> used;
        for (int i = 0; i <= slots.LastUsed(); ++i)
            used.push_back(slots.At(i));
        return used;
    }

    mjx_UNDOMGR& history;
    std::uint32_t color = 0;
    bool updating = false;
    CPaletteSlots slots;
    CAColorName names;
    int repaints = 0;
};

std::vector<std::uint32_t> Range(std::uint32_t first, int count)
{
    std::vector<std::uint32_t> values;
    for (int i = 0; i < count; ++i)
        values.push_back(first + static_cast<std::uint32_t>(i));
    return values;
}

void Fill(CPaletteSlots& slots, const std::vector<std::uint32_t>& values)
{
    slots.SetSlotCount(static_cast<int>(values.size()));
    for (int i = 0; i < slots.Count(); ++i)
        slots.Set(i, values[i]);
}

std::u16string NameOf(const FakeDialog& dialog, std::uint32_t color)
{
    const char16_t* name = FirstColorName(dialog.names.Table(), color);
    return name ? name : u"";
}

} // namespace

TEST(UndoManager, RecordingDropsTheRedoTailAndTheButtonsFollowThePosition)
{
    mjx_UNDOMGR history;
    FakeDialog dialog(history);
    EXPECT_EQ(history.GetUndoUnit(), nullptr);
    EXPECT_EQ(history.GetRedoUnit(), nullptr);
    EXPECT_FALSE(history.Undo());
    EXPECT_FALSE(history.Redo());

    for (const std::uint32_t color : {1u, 2u, 3u})
        dialog.SetColor(color); // steps A, B, C
    EXPECT_EQ(history.Count(), 3);
    EXPECT_EQ(history.GetRedoUnit(), nullptr);
    EXPECT_TRUE(history.Undo());
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(history.Current(), 0);
    EXPECT_EQ(dialog.color, 1u);
    EXPECT_NE(history.GetRedoUnit(), nullptr);

    dialog.SetColor(9); // D replaces B and C
    EXPECT_EQ(history.Count(), 2);
    EXPECT_EQ(history.Current(), 1);
    EXPECT_EQ(history.GetRedoUnit(), nullptr);

    EXPECT_TRUE(history.Undo());
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(history.Current(), -1);
    EXPECT_EQ(dialog.color, 0u);
    EXPECT_EQ(history.GetUndoUnit(), nullptr);
    EXPECT_FALSE(history.Undo());
    dialog.SetColor(5);
    EXPECT_EQ(history.Count(), 1);
    EXPECT_EQ(history.Current(), 0);
}

TEST(UndoManager, AColorStepExchangesBackAndForthAndNothingIsRecordedWhileApplyingOrUpdating)
{
    mjx_UNDOMGR history;
    FakeDialog dialog(history);
    dialog.SetColor(0x80112233);
    history.Undo();
    EXPECT_EQ(dialog.color, 0u);
    history.Redo();
    EXPECT_EQ(dialog.color, 0x80112233u);
    EXPECT_EQ(history.Count(), 1);

    dialog.updating = true;
    dialog.SetColor(7);
    EXPECT_EQ(history.Count(), 1);
}

TEST(UndoManager, ASlotStepGrowsAPaletteThatBecameShorter)
{
    mjx_UNDOMGR history;
    FakeDialog dialog(history);
    Fill(dialog.slots, Range(0x10, 24));
    dialog.SetSlot(20, 0xABCDEF);
    history.RecordSlot(dialog, 24); // past the end: nothing
    EXPECT_EQ(history.Count(), 1);

    dialog.slots.SetSlotCount(12);
    history.Undo();
    EXPECT_EQ(dialog.slots.Count(), 36);
    EXPECT_EQ(dialog.slots.At(20), 0x10u + 20);
    history.Redo();
    EXPECT_EQ(dialog.slots.At(20), EMPTY_SLOT);
    EXPECT_EQ(dialog.repaints, 2);

    // Shrunk to end exactly before the slot: it grows again as well.
    dialog.slots.SetSlotCount(20);
    history.Undo();
    EXPECT_EQ(dialog.slots.Count(), 36);
    EXPECT_EQ(dialog.slots.At(20), 0x10u + 20);
}

TEST(UndoManager, AGradientStepGrowsAPaletteThatEndsWithinIt)
{
    mjx_UNDOMGR history;
    FakeDialog dialog(history);
    Fill(dialog.slots, Range(0x10, 12));
    history.RecordRange(dialog, 2, 7);
    // The palette now ends just before the last slot the step restores.
    dialog.slots.SetSlotCount(6);
    history.Undo();
    EXPECT_EQ(dialog.slots.Count(), 24);
    EXPECT_EQ(dialog.Used(), Range(0x10, 7)) << "slots 3 to 6 restored; 0 to 2 were kept";
}

TEST(UndoManager, AGradientStepStoresOnlyTheSlotsBetweenItsEnds)
{
    mjx_UNDOMGR history;
    FakeDialog dialog(history);
    const std::vector<std::uint32_t> before = Range(0x100, 12);
    for (const auto& [a, b] : {std::pair{2, 7}, std::pair{7, 2}, std::pair{4, 5}}) {
        Fill(dialog.slots, before);
        history.RecordRange(dialog, a, b);
        for (int i = 0; i < 12; ++i)
            dialog.slots.Set(i, 0xEEEEEE);
        history.Undo();
        std::vector<std::uint32_t> expected(12, 0xEEEEEE);
        for (int i = std::min(a, b) + 1; i < std::max(a, b); ++i)
            expected[i] = before[i];
        EXPECT_EQ(dialog.Used(), expected) << a << "-" << b;
        history.Redo();
        EXPECT_EQ(dialog.Used(), std::vector<std::uint32_t>(12, 0xEEEEEE)) << a << "-" << b;
    }
}

TEST(UndoManager, APaletteLoadIsOneStepThatBringsBackColorsAndNames)
{
    mjx_UNDOMGR history;
    FakeDialog dialog(history);
    dialog.updating = true; // the start-up palette is no step
    dialog.LoadText("GIMP Palette\n#\n255 0 0\tRed\n0 255 0\tGreen\n", true);
    dialog.updating = false;
    EXPECT_EQ(history.Count(), 0);

    dialog.LoadText("GIMP Palette\n#\n0 0 255\tBlue\n", false);
    dialog.LoadText("GIMP Palette\n#\n1 2 3\tDust\n", true);
    EXPECT_EQ(history.Count(), 2);
    EXPECT_EQ(dialog.Used(), std::vector<std::uint32_t>{0x030201});

    // The appended palette followed the two colors' whole rows.
    std::vector<std::uint32_t> appended(25, EMPTY_SLOT);
    appended[0] = 0xFF;
    appended[1] = 0xFF00;
    appended[24] = 0xFF0000;
    history.Undo();
    EXPECT_EQ(dialog.Used(), appended);
    EXPECT_EQ(NameOf(dialog, 0xFF0000), u"Blue");
    EXPECT_EQ(NameOf(dialog, 0x030201), u"");
    EXPECT_EQ(dialog.slots.Count(), 48);
    history.Redo();
    EXPECT_EQ(dialog.Used(), std::vector<std::uint32_t>{0x030201});
    EXPECT_EQ(NameOf(dialog, 0x030201), u"Dust");
    history.Undo();
    history.Undo();
    EXPECT_EQ(dialog.Used(), (std::vector<std::uint32_t>{0xFF, 0xFF00}));
    EXPECT_EQ(history.Count(), 2);
}

TEST(UndoManager, StepsOfAClosedDialogApplyToTheNextOneAndToNoneInBetween)
{
    mjx_UNDOMGR history;
    {
        FakeDialog first(history);
        first.SetColor(0x123456);
        Fill(first.slots, Range(1, 12));
        first.SetSlot(3, 0x777777);
    }
    EXPECT_FALSE(history.Undo());
    EXPECT_EQ(history.Current(), 0);

    FakeDialog second(history);
    second.color = 0x123456;
    Fill(second.slots, Range(1, 12));
    second.slots.Set(3, 0x777777);
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(second.color, 0u);
    EXPECT_TRUE(history.Redo());
    EXPECT_EQ(second.color, 0x123456u);
    EXPECT_TRUE(history.Redo());
    EXPECT_EQ(second.slots.At(3), 4u);
}
