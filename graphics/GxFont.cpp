#include "graphics/GxFont.h"

#include <map>
#include <mutex>

#include "graphics/GdiHandles.h"
#include "graphics/GxCalls.h"
#include "graphics/GxGraphics.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool GxFontFamily::CreateFontFamilyFromName(const char* name) {
    return CreateFontFamilyFromNameW(GxAnsiToWide(name).c_str());
}

bool GxFontFamily::CreateFontFamilyFromNameW(const wchar_t* name) {
    GpFontFamily* family = nullptr;
    return GxAdopt(*this, GdipCreateFontFamilyFromName(name, nullptr, &family), family);
}

bool GxFontFamily::CloneFontFamily(GxFontFamily& clone) const {
    GpFontFamily* copy = nullptr;
    return GxAdopt(clone, GdipCloneFontFamily(GetNativeObject(), &copy), copy);
}

std::string GxFontFamily::GetFamilyName(LANGID language) const {
    return GxWideToAnsi(GetFamilyNameW(language).c_str());
}

std::wstring GxFontFamily::GetFamilyNameW(LANGID language) const {
    WCHAR name[LF_FACESIZE] = {};
    if (!GxStore(GdipGetFamilyName(GetNativeObject(), name, language))) return std::wstring();
    name[LF_FACESIZE - 1] = L'\0';
    return name;
}

bool GxFontFamily::IsStyleAvailable(int style) const {
    BOOL available = FALSE;
    if (!GxStore(GdipIsStyleAvailable(GetNativeObject(), style, &available))) return false;
    return available != FALSE;
}

bool GxFont::CreateFontFromFamily(const GxFontFamily& family, float size, int style, Unit unit) {
    GpFont* font = nullptr;
    return GxAdopt(*this, GdipCreateFont(family.GetNativeObject(), size, style, unit, &font), font);
}

bool GxFont::CreateFontFromName(const char* familyName, float size, int style, Unit unit) {
    return CreateFontFromNameW(GxAnsiToWide(familyName).c_str(), size, style, unit);
}

namespace {

// Families found by name; a name not found is looked up again next time.
struct KeptFamilies {
    std::mutex lock;
    std::map<std::wstring, GpFontFamily*> byName;
};

KeptFamilies& Kept() {
    static KeptFamilies kept;
    return kept;
}

}  // namespace

bool GxFont::CreateFontFromNameW(const wchar_t* familyName, float size, int style, Unit unit) {
    if (!familyName) {
        GxStore(InvalidParameter);
        return false;
    }
    KeptFamilies& kept = Kept();
    const std::lock_guard<std::mutex> guard(kept.lock);
    GpFontFamily*& family = kept.byName[familyName];
    if (!family && !GxStore(GdipCreateFontFamilyFromName(familyName, nullptr, &family))) {
        kept.byName.erase(familyName);
        return false;
    }
    GpFont* font = nullptr;
    return GxAdopt(*this, GdipCreateFont(family, size, style, unit, &font), font);
}

void ReleaseKeptFontFamilies() {
    KeptFamilies& kept = Kept();
    const std::lock_guard<std::mutex> guard(kept.lock);
    for (auto& entry : kept.byName) GdipDeleteFontFamily(entry.second);
    kept.byName.clear();
}

bool GxFont::CreateFontFromDC(HDC dc) {
    GpFont* font = nullptr;
    return GxAdopt(*this, GdipCreateFontFromDC(dc, &font), font);
}

bool GxFont::CreateFontFromHFONT(HDC dc, HFONT font) {
    if (!font) return CreateFontFromDC(dc);
    LOGFONTA logfont = {};
    if (GetObjectA(font, sizeof(logfont), &logfont) != static_cast<int>(sizeof(logfont))) {
        GxStore(InvalidParameter);
        return false;
    }
    return CreateFontFromLogfontA(dc, logfont);
}

bool GxFont::CreateFontFromLogfontA(HDC dc, const LOGFONTA& logfont) {
    GpFont* font = nullptr;
    return GxAdopt(*this, GdipCreateFontFromLogfontA(dc, &logfont, &font), font);
}

bool GxFont::CreateFontFromLogfontW(HDC dc, const LOGFONTW& logfont) {
    GpFont* font = nullptr;
    return GxAdopt(*this, GdipCreateFontFromLogfontW(dc, &logfont, &font), font);
}

bool GxFont::CreateDefaultGuiFont() {
    LOGFONTA logfont = {};
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(logfont), &logfont) != static_cast<int>(sizeof(logfont))) {
        GxStore(Win32Error);
        return false;
    }
    const gdi::WindowDC screen = gdi::WindowDC::Screen();
    return CreateFontFromLogfontA(screen.get(), logfont);
}

bool GxFont::CloneFont(GxFont& clone) const {
    GpFont* copy = nullptr;
    return GxAdopt(clone, GdipCloneFont(GetNativeObject(), &copy), copy);
}

bool GxFont::GetFamily(GxFontFamily& family) const {
    GpFontFamily* result = nullptr;
    return GxAdopt(family, GdipGetFamily(GetNativeObject(), &result), result);
}

int GxFont::GetFontStyle() const { return GxGetValue(GdipGetFontStyle, GetNativeObject()); }

float GxFont::GetFontSize() const { return GxGetValue(GdipGetFontSize, GetNativeObject()); }

int GxFont::GetFontUnit() const { return static_cast<int>(GxGetValue(GdipGetFontUnit, GetNativeObject())); }

float GxFont::GetFontHeight(const GxGraphics* graphics) const {
    REAL height = 0;
    if (!GxStore(GdipGetFontHeight(GetNativeObject(), graphics ? graphics->GetNativeObject() : nullptr, &height)))
        return 0;
    return height;
}

bool GxFontCollection::NewInstalledFontCollection() {
    GpFontCollection* collection = nullptr;
    if (!GxStore(GdipNewInstalledFontCollection(&collection))) return false;
    collection_ = collection;
    return true;
}

int GxFontCollection::GetFontCollectionFamilyCount() const {
    return GxGetValue(GdipGetFontCollectionFamilyCount, collection_);
}

bool GxStringFormat::CreateStringFormat(int flags, LANGID language) {
    GpStringFormat* format = nullptr;
    return GxAdopt(*this, GdipCreateStringFormat(flags, language, &format), format);
}

bool GxStringFormat::CloneStringFormat(GxStringFormat& clone) const {
    GpStringFormat* copy = nullptr;
    return GxAdopt(clone, GdipCloneStringFormat(GetNativeObject(), &copy), copy);
}

bool GxStringFormat::SetStringFormatFlags(int flags) {
    return GxStore(GdipSetStringFormatFlags(GetNativeObject(), flags));
}

bool GxStringFormat::SetStringFormatAlign(StringAlignment align) {
    return GxStore(GdipSetStringFormatAlign(GetNativeObject(), align));
}

bool GxStringFormat::SetStringFormatLineAlign(StringAlignment align) {
    return GxStore(GdipSetStringFormatLineAlign(GetNativeObject(), align));
}

bool GxStringFormat::SetStringFormatTrimming(StringTrimming trimming) {
    return GxStore(GdipSetStringFormatTrimming(GetNativeObject(), trimming));
}

bool GxStringFormat::SetStringFormatHotkeyPrefix(int prefix) {
    return GxStore(GdipSetStringFormatHotkeyPrefix(GetNativeObject(), prefix));
}

int GxStringFormat::GetStringFormatAlign() const {
    return static_cast<int>(GxGetValue(GdipGetStringFormatAlign, GetNativeObject()));
}

int GxStringFormat::GetStringFormatLineAlign() const {
    return static_cast<int>(GxGetValue(GdipGetStringFormatLineAlign, GetNativeObject()));
}

int GxStringFormat::GetStringFormatTrimming() const {
    return static_cast<int>(GxGetValue(GdipGetStringFormatTrimming, GetNativeObject()));
}
