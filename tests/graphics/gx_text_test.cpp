// Text between the ANSI code page (GBK here) and GDI+'s UTF-16, and fonts taken from GDI.
#include "graphics/GxFont.h"
#include "support/GdiplusSession.h"

#include <gtest/gtest.h>

using namespace Gdiplus;

namespace {

TEST(GxText, GbkTextConvertsBothWays) {
    ASSERT_EQ(936u, GetACP()) << "the test harness runs in the Chinese code page";
    const char gbk[] = "\xB9\xD6\xCE\xEF Mob";         // 怪物 Mob
    EXPECT_STREQ("\xB9\xD6\xCE\xEF Mob", "怪物 Mob");  // sources turn into GBK
    EXPECT_EQ(std::wstring(L"\u602A\u7269 Mob"), GxAnsiToWide(gbk));
    EXPECT_EQ(std::string(gbk), GxWideToAnsi(L"\u602A\u7269 Mob"));
    EXPECT_EQ(std::wstring(), GxAnsiToWide(nullptr));
    EXPECT_EQ(std::wstring(), GxAnsiToWide(""));
    EXPECT_EQ(std::string(), GxWideToAnsi(nullptr));

    // A long text survives whole.
    std::string longText;
    for (int i = 0; i < 5000; ++i) longText += "怪";
    EXPECT_EQ(5000u, GxAnsiToWide(longText.c_str()).size());
}

TEST(GxText, FontTakenFromAGdiFontKeepsFamilySizeAndStyle) {
    HFONT gdiFont = CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体");
    HDC dc = GetDC(nullptr);
    GxFont font;
    ASSERT_TRUE(font.CreateFontFromHFONT(dc, gdiFont)) << GxLastStatus;
    ReleaseDC(nullptr, dc);
    DeleteObject(gdiFont);

    EXPECT_EQ(13, static_cast<int>(font.GetFontSize()));
    EXPECT_EQ(FontStyleBold, font.GetFontStyle() & FontStyleBold);
    GxFontFamily family;
    ASSERT_TRUE(font.GetFamily(family));
    GxFontFamily byName;
    ASSERT_TRUE(byName.CreateFontFamilyFromName("宋体"));
    // The name may come back localised (GBK text): it must be the same family's name.
    const std::string name = family.GetFamilyName();
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(byName.GetFamilyName(), name);
    EXPECT_EQ(family.GetFamilyNameW(), GxAnsiToWide(name.c_str()));
}

TEST(GxText, ControlWithoutAFontFallsBackToTheDcFont) {
    HDC dc = GetDC(nullptr);
    GxFont font;
    EXPECT_TRUE(font.CreateFontFromHFONT(dc, nullptr)) << GxLastStatus;
    ReleaseDC(nullptr, dc);
    EXPECT_GT(font.GetFontSize(), 0.0f);
}

TEST(GxText, ChineseFamilyNamesAreFound) {
    GxFontFamily family;
    ASSERT_TRUE(family.CreateFontFamilyFromName("宋体")) << GxLastStatus;
    EXPECT_FALSE(family.GetFamilyName().empty());
    GxFontCollection installed;
    ASSERT_TRUE(installed.NewInstalledFontCollection());
    EXPECT_GT(installed.GetFontCollectionFamilyCount(), 0);
}

// Families found by name are kept between fonts and let go on release; fonts made before,
// between and after stay whole, and a name not found is never taken for a found one.
TEST(GxText, FontsByNameOutliveTheKeptFamilies) {
    GxFont before;
    ASSERT_TRUE(before.CreateFontFromName("宋体", 12, FontStyleRegular, UnitPixel)) << GxLastStatus;
    GxFont again;
    ASSERT_TRUE(again.CreateFontFromName("宋体", 20, FontStyleBold, UnitPixel)) << GxLastStatus;
    ReleaseKeptFontFamilies();
    GxFont after;
    ASSERT_TRUE(after.CreateFontFromName("宋体", 12, FontStyleRegular, UnitPixel)) << GxLastStatus;
    for (const GxFont* font : {&before, &again, &after}) {
        GxFontFamily family;
        ASSERT_TRUE(font->GetFamily(family));
        EXPECT_FALSE(family.GetFamilyName().empty());
    }
    EXPECT_EQ(20, static_cast<int>(again.GetFontSize()));
    for (int attempt = 0; attempt < 2; ++attempt) {
        GxFont missing;
        EXPECT_FALSE(missing.CreateFontFromName("No Such Family 123", 12, FontStyleRegular, UnitPixel)) << attempt;
    }
    GxFont none;
    EXPECT_FALSE(none.CreateFontFromNameW(nullptr, 12, FontStyleRegular, UnitPixel));
}

}  // namespace
