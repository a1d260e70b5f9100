#include "dialog/TipTexts.h"

#include "plexa/TextHelpers.h"

namespace {

constexpr int kTipUnits = 260;

} // namespace

void FormatColorTip(CRGBA color, jx_STRING& text)
{
    char16_t buffer[kTipUnits];
    jxsprintf(buffer, kTipUnits, u"RGB(%d,%d,%d)\r\nHex=%02X%02X%02X", color.Red(), color.Green(), color.Blue(),
              color.Red(), color.Green(), color.Blue());
    text.Add(buffer);
}

jx_STRING SwatchTipText(const CAColorName& names, CRGBA color, const char16_t* hint, const std::u16string& extraLine)
{
    jx_STRING text;
    if (names.GetColorNames(color.value, text))
        text.Add(u"\r\n");
    FormatColorTip(color, text);
    if (!extraLine.empty()) {
        text.Add(u"\r\n");
        text.Add(extraLine.c_str());
    }
    if (hint) {
        text.Add(u"\r\n\r\n");
        text.Add(hint);
    }
    return text;
}
