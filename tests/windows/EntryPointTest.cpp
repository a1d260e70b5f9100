#include <gtest/gtest.h>

#include <string>

#include "tests/windows/TestHost.h"

namespace {

class EntryPoint : public ::testing::Test {
protected:
    StartedPicker picker;
    INT_PTR Send(UINT message, INT_PTR p1 = 0, INT_PTR p2 = 0) { return picker.module.Send(message, p1, p2); }
    // The text a copying message writes, and whether it left the buffer's
    // next unit alone.
    std::u16string CopiedText(UINT message, std::size_t* untouchedAfter = nullptr)
    {
        char16_t buffer[64];
        std::fill(std::begin(buffer), std::end(buffer), u'\xFFFF');
        EXPECT_EQ(Send(message, reinterpret_cast<INT_PTR>(buffer)), 1);
        const std::u16string text(buffer);
        if (untouchedAfter)
            *untouchedAfter = buffer[text.size() + 1] == u'\xFFFF' ? text.size() + 1 : 0;
        return text;
    }
};

} // namespace

TEST_F(EntryPoint, StartUpRegistersTheTypeAndTheColorMessage)
{
    EXPECT_EQ(picker.startupAnswer, kJxStartupAnswer);
    const char16_t* displayName = picker.host.Core()->ExtensionDisplayName(kColorPikerTypeName);
    ASSERT_NE(displayName, nullptr);
    EXPECT_EQ(std::u16string(displayName), u"Color Picker Dialog");
}

TEST_F(EntryPoint, AnswersTheQueriesWhateverTheArguments)
{
    EXPECT_EQ(Send(kJxInterfaceVersion), kJxInterfaceVersionAnswer);
    EXPECT_EQ(Send(kJxInterfaceVersion, 12345, -1), kJxInterfaceVersionAnswer);
    EXPECT_EQ(Send(kJxQuery), 1);
    EXPECT_EQ(Send(kJxQuery, 7, 7), 1);
}

TEST_F(EntryPoint, UnlistedMessagesAnswerZero)
{
    for (UINT message = 0x2003; message <= 0x200F; ++message)
        EXPECT_EQ(Send(message, 1, 1), 0) << std::hex << message;
    for (UINT message = 0x2011; message <= 0x201D; ++message)
        EXPECT_EQ(Send(message, 1, 1), 0) << std::hex << message;
    for (const UINT message : {0x0u, 0x1u, 0x2000u, 0x201Fu, 0x2023u, 0x11001u, 0x11003u, 0xFFFFFFFFu})
        EXPECT_EQ(Send(message, 1, 1), 0) << std::hex << message;
}

TEST_F(EntryPoint, CopiesTheVersionNameAndDescriptionWithTheirTerminators)
{
    std::size_t next = 0;
    EXPECT_EQ(CopiedText(kJxVersionText, &next), u"5.5.2.2867 Release");
    EXPECT_EQ(next, 19u);
    EXPECT_EQ(CopiedText(kJxNameText, &next), u"ColorPicker");
    EXPECT_EQ(next, 12u);
    EXPECT_EQ(CopiedText(kJxDescriptionText, &next), u"ColorPicker");
    EXPECT_EQ(next, 12u);
}

TEST_F(EntryPoint, CreatesTheExtensionByTypeNameInAnyCase)
{
    for (const char* name : {"ColorPiker", "colorpiker", "COLORPIKER"}) {
        auto* extension = reinterpret_cast<jx_COLORPIKER*>(Send(kJxCreateExtension, reinterpret_cast<INT_PTR>(name)));
        ASSERT_NE(extension, nullptr) << name;
        EXPECT_STREQ(extension->GetTypeName(), kColorPikerTypeName);
        EXPECT_EQ(extension->QueryStatus(), 1);
        EXPECT_EQ(extension->Release(), 0);
    }
    EXPECT_EQ(Send(kJxCreateExtension, reinterpret_cast<INT_PTR>("ColorPicker")), 0);
    EXPECT_EQ(Send(kJxCreateExtension, reinterpret_cast<INT_PTR>("")), 0);
}

TEST_F(EntryPoint, ExtensionsAreCountedAndTypedLikeHostExtensions)
{
    jx_COLORPIKER* extension = picker.module.CreatePicker();
    ASSERT_NE(extension, nullptr);
    EXPECT_TRUE(extension->IsTypeOf("COLORPIKER"));
    EXPECT_TRUE(extension->IsTypeOf("colorPiker"));
    // Other names are the base class's: every extension is an "Extension".
    EXPECT_TRUE(extension->IsTypeOf("extension"));
    EXPECT_FALSE(extension->IsTypeOf("ColorPicker"));
    EXPECT_FALSE(extension->IsTypeOf(""));
    EXPECT_EQ(extension->SetParam(1, 2, jx_VT_INT), JX_E_NOTIMPL);
    EXPECT_EQ(extension->Invoke(1, nullptr, nullptr), JX_E_NOTIMPL);
    EXPECT_EQ(extension->AddRef(), 2);
    EXPECT_EQ(extension->Release(), 1);
    EXPECT_EQ(extension->Release(), 0);
}

TEST_F(EntryPoint, ShutDownTwiceIsHarmless)
{
    EXPECT_EQ(Send(kJxShutdown), 0);
    EXPECT_EQ(Send(kJxShutdown), 0);
    // The registered message and texts stay usable after shut-down.
    EXPECT_EQ(CopiedText(kJxNameText), u"ColorPicker");
}

TEST_F(EntryPoint, ASecondStartUpRegistersNothingAgain)
{
    IsolatedHost otherHost;
    EXPECT_EQ(Send(kJxStartup, reinterpret_cast<INT_PTR>(otherHost.Core()), 0), kJxStartupAnswer);
    EXPECT_EQ(otherHost.Core()->ExtensionDisplayName(kColorPikerTypeName), nullptr);
    // After a shut-down the module can be started again.
    Send(kJxShutdown);
    EXPECT_EQ(Send(kJxStartup, reinterpret_cast<INT_PTR>(otherHost.Core()),
                   reinterpret_cast<INT_PTR>(picker.module.Handle())),
              kJxStartupAnswer);
    EXPECT_NE(otherHost.Core()->ExtensionDisplayName(kColorPikerTypeName), nullptr);
}

TEST(EntryPointBeforeStartUp, AnswersWithoutAHost)
{
    PluginModule module;
    ASSERT_TRUE(module.Load(L"ColorPicker.dll"));
    char16_t buffer[32] = {u'x'};
    EXPECT_EQ(module.Send(kJxNameText, reinterpret_cast<INT_PTR>(buffer), 0), 1);
    EXPECT_EQ(buffer[0], u'\0');
    EXPECT_EQ(module.Send(kJxInterfaceVersion, 0, 0), kJxInterfaceVersionAnswer);
    // A null host cannot be started on, and a null buffer receives nothing.
    EXPECT_EQ(module.Send(kJxStartup, 0, reinterpret_cast<INT_PTR>(module.Handle())), 0);
    EXPECT_EQ(module.Send(kJxVersionText, 0, 0), 0);
    EXPECT_EQ(module.Send(kJxNameText, 0, 0), 0);
}
