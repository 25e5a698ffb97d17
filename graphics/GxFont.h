#pragma once
// Owning wrappers of GDI+ text objects: font families, fonts, the installed font
// collection and string formats.
#include "graphics/GxCore.h"

#include <string>

class GxGraphics;

class GxFontFamily : public GxObject<Gdiplus::GpFontFamily, Gdiplus::DllExports::GdipDeleteFontFamily> {
public:
    bool DeleteFontFamily() { return DeleteNative(); }
    // Family by its name in the ANSI code page, looked up among the installed fonts.
    bool CreateFontFamilyFromName(const char* name);
    bool CreateFontFamilyFromNameW(const wchar_t* name);
    bool CloneFontFamily(GxFontFamily& clone) const;
    // The family's name in the ANSI code page; empty on failure.
    std::string GetFamilyName(LANGID language = 0) const;
    std::wstring GetFamilyNameW(LANGID language = 0) const;
    bool IsStyleAvailable(int style) const;
};

class GxFont : public GxObject<Gdiplus::GpFont, Gdiplus::DllExports::GdipDeleteFont> {
public:
    bool DeleteFont() { return DeleteNative(); }
    bool CreateFontFromFamily(const GxFontFamily& family, float size, int style, Gdiplus::Unit unit);
    // A font of the named family (ANSI code page). Families found by name are kept until
    // ReleaseKeptFontFamilies: a lookup enumerates the installed fonts (about 1 ms under
    // Wine), and every caption paint asks for one.
    bool CreateFontFromName(const char* familyName, float size, int style, Gdiplus::Unit unit);
    bool CreateFontFromNameW(const wchar_t* familyName, float size, int style, Gdiplus::Unit unit);
    // The font selected in the DC.
    bool CreateFontFromDC(HDC dc);
    // The GDI font as GDI+ sees it on that DC; a null font means the DC's current font
    // (what a control without WM_SETFONT draws with).
    bool CreateFontFromHFONT(HDC dc, HFONT font);
    bool CreateFontFromLogfontA(HDC dc, const LOGFONTA& logfont);
    bool CreateFontFromLogfontW(HDC dc, const LOGFONTW& logfont);
    // DEFAULT_GUI_FONT on the screen DC.
    bool CreateDefaultGuiFont();
    bool CloneFont(GxFont& clone) const;

    // The font's family as a new object that `family` then owns.
    bool GetFamily(GxFontFamily& family) const;
    // Getters: the value GDI+ reports, or 0 on failure.
    int GetFontStyle() const;
    float GetFontSize() const;
    int GetFontUnit() const;
    float GetFontHeight(const GxGraphics* graphics) const;
};

// Deletes the families CreateFontFromName keeps; before the graphics library shuts down.
void ReleaseKeptFontFamilies();

// The process-wide collection of installed fonts. GDI+ keeps that collection itself and
// it must never be deleted, so this wrapper only refers to it.
class GxFontCollection {
public:
    bool NewInstalledFontCollection();
    Gdiplus::GpFontCollection* GetNativeObject() const { return collection_; }
    int GetFontCollectionFamilyCount() const;

private:
    Gdiplus::GpFontCollection* collection_ = nullptr;
};

class GxStringFormat : public GxObject<Gdiplus::GpStringFormat, Gdiplus::DllExports::GdipDeleteStringFormat> {
public:
    bool DeleteStringFormat() { return DeleteNative(); }
    bool CreateStringFormat(int flags = 0, LANGID language = 0);
    bool CloneStringFormat(GxStringFormat& clone) const;
    bool SetStringFormatFlags(int flags);
    bool SetStringFormatAlign(Gdiplus::StringAlignment align);
    bool SetStringFormatLineAlign(Gdiplus::StringAlignment align);
    bool SetStringFormatTrimming(Gdiplus::StringTrimming trimming);
    bool SetStringFormatHotkeyPrefix(int prefix);
    // Getters: the value GDI+ reports, or 0 on failure.
    int GetStringFormatAlign() const;
    int GetStringFormatLineAlign() const;
    int GetStringFormatTrimming() const;
};
