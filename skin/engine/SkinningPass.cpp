// The operations that take windows over: the engine-wide background, a top-level window
// with its caption buttons and control skins, and container children as sub-windows.
#include <windows.h>

#include <algorithm>
#include <memory>

#include "embedded_pictures.h"
#include "graphics/GxImage.h"
#include "graphics/ToolTipWindow.h"
#include "skin/engine/ControlInstallers.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/PictureCache.h"
#include "skin/draw/BackgroundImages.h"
#include "skin/draw/Backgrounds.h"
#include "skin/draw/Colour.h"
#include "skin/draw/ControlFont.h"
#include "skin/draw/WindowQueries.h"
#include "skin/frame/SubWindowProc.h"

namespace skin {
namespace {

constexpr int kColourSamples = 2000;
constexpr int kDefaultImageMode = 4;
constexpr int kMinTitleHeight = 25;
constexpr int kFrameBorder = 3;
constexpr int kButtonHeight = 18;
constexpr int kButtonsHeight = 22;

enum FadeSide { kFadeRight, kFadeLeft };

std::vector<uint8_t> FadedPicture(ByteView picture, const std::string& path, COLORREF colour, FadeSide side) {
    return BuildFadedImage(picture, 0, false, colour, false, side == kFadeLeft, path);
}

// The engine-wide picture as the chosen mode wants it stored.
std::vector<uint8_t> PrepareBackgroundPicture(const std::string& path, ByteView picture, int mode) {
    if (mode == 0) return FadedPicture(picture, path, SkinBackColour, kFadeRight);
    if (mode == 1) return FadedPicture(picture, path, SkinBackColour, kFadeLeft);
    if (path.empty()) return picture.copy();
    GxImage decoded;
    if (!decoded.LoadImageFromFile(path.c_str())) return {};
    return decoded.SaveImageToStream(GxPngFormat);
}

// Every visible taken-over window shows the new background, its controls included.
void RefreshVisibleWindows(SkinEngine& engine) {
    for (int index = 1; index <= TheSkinRegistry().count(); ++index) {
        SkinnedWindow* record = GetSkinnedWindow(index);
        if (!record || !IsWindowVisible(record->hwnd)) continue;
        const HWND window = record->hwnd;
        engine.rebuildBackground(index, nullptr, 0);
        InvalidateRect(window, nullptr, FALSE);
        InvalidateVisibleChildren(window);
        if ((record = GetSkinnedWindow(index)) == nullptr) continue;
        record->headerControls.forEach([](int, const HeaderEntry& header) {
            if (header.hwnd) InvalidateRect(header.hwnd, nullptr, FALSE);
        });
    }
}

struct CaptionButtonKind {
    int id;
    int width;
    const unsigned char* picture;
    const unsigned int* pictureSize;
    const char* toolTip;
};

const CaptionButtonKind kHelpButton = {kCaptionHelp, 26, ::kCaptionHelp, &::kCaptionHelpSize, "帮助"};
const CaptionButtonKind kMenuButton = {kCaptionMenu, 26, ::kCaptionMenu, &::kCaptionMenuSize, "主菜单"};
const CaptionButtonKind kMinimizeButton = {kCaptionMinimize, 26, ::kCaptionMinimize, &::kCaptionMinimizeSize, "最小化"};
const CaptionButtonKind kMaximizeButton = {kCaptionMaximize, 26, ::kCaptionMaximize, &::kCaptionMaximizeSize, "最大化"};
const CaptionButtonKind kCloseButton = {kCaptionClose, 38, ::kCaptionClose, &::kCaptionCloseSize, "关闭"};

void AppendCaptionButton(SkinnedWindow& record, const CaptionButtonKind& kind) {
    auto button = std::make_unique<CaptionButton>();
    button->width = kind.width;
    button->height = kButtonHeight;
    button->picture = ByteView(kind.picture, *kind.pictureSize).copy();
    if (kind.id == kCaptionMaximize) button->secondPicture = ByteView(::kCaptionRestore, ::kCaptionRestoreSize).copy();
    button->id = kind.id;
    button->toolTipText = kind.toolTip;
    record.captionButtons.append(std::move(button));
}

// Help, main menu, minimize, maximize and close, each only when wanted; returns the widths' sum.
int BuildCaptionButtons(SkinnedWindow& record) {
    record.captionButtons.clear();
    if (record.showHelpButton) AppendCaptionButton(record, kHelpButton);
    if (record.showMenuButton) AppendCaptionButton(record, kMenuButton);
    if (record.hasMinimizeBox) AppendCaptionButton(record, kMinimizeButton);
    if (record.hasMaximizeBox) AppendCaptionButton(record, kMaximizeButton);
    AppendCaptionButton(record, kCloseButton);
    int widths = 0;
    record.captionButtons.forEach([&widths](int, const CaptionButton& button) { widths += button.width; });
    return widths;
}

void TakeWindowPicture(SkinnedWindow& record, ByteView picture) {
    if (picture.empty()) return;
    record.pictureColour = PlainColour(AverageImageColour(picture, kColourSamples, 0, 0));
    if (record.imageMode == 0) {
        record.windowPicture = FadedPicture(picture, {}, record.pictureColour, kFadeRight);
    } else if (record.imageMode == 1) {
        record.windowPicture = FadedPicture(picture, {}, record.pictureColour, kFadeLeft);
    } else {
        record.windowPicture = picture.copy();
    }
}

std::unique_ptr<SkinnedWindow> BuildRecord(const SkinWindowArgs& args, LONG style, const RECT& client,
                                           int frameBorder) {
    auto record = std::make_unique<SkinnedWindow>();
    record->toolTip = MakeOwnedObject<ToolTipWindow>();
    record->hwnd = args.hwnd;
    record->titleHeight = std::max(args.titleHeight, kMinTitleHeight);
    record->showHelpButton = args.showHelpButton.value_or(0);
    record->showMenuButton = args.showMenuButton.value_or(0);
    record->hasMinimizeBox = (style & WS_MINIMIZEBOX) ? 1 : 0;
    record->hasMaximizeBox = (style & WS_MAXIMIZEBOX) ? 1 : 0;
    record->option31 = args.option31.value_or(1);
    record->showCloseButton = 1;
    record->option30 = args.option30.value_or(1);
    record->option7 = args.option7.value_or(1);
    record->option8 = args.option8.value_or(0);
    record->imageMode = args.imageMode.value_or(SkinImageMode);
    record->minWidth = 200;
    record->minHeight = 150;
    record->maxWidth = GetSystemMetrics(SM_CXSCREEN);
    record->maxHeight = GetSystemMetrics(SM_CYSCREEN);
    TakeWindowPicture(*record, args.picture);
    record->titleColour = kWhite;
    record->titleShadowColour = kGrey;
    record->titleFontName = "宋体";
    record->titleFontSize = 12;
    record->titleFlag = 1;

    const int buttons = [&] {
        const int widths = BuildCaptionButtons(*record);
        return widths + (record->captionButtons.count() - 1) + 3;
    }();
    record->buttonsWidth = buttons;
    record->buttonsHeight = kButtonsHeight;
    record->buttonsLeft = client.right - frameBorder - record->buttonsWidth - 2;
    record->buttonsTop = 0;
    return record;
}

void CreateCaptionToolTips(SkinnedWindow& record) {
    if (!record.toolTip || !record.toolTip->Create(record.hwnd)) return;
    record.captionButtons.forEach([&record](int number, const CaptionButton& button) {
        const FloatRect& r = button.hitRect;
        record.toolTip->AddToolAt(number, button.toolTipText.c_str(), static_cast<int>(r.x), static_cast<int>(r.y),
                                  static_cast<int>(r.x + r.width), static_cast<int>(r.y + r.height));
    });
}

}  // namespace

void SetBackground(SkinEngine& engine, const std::string& path, ByteView picture, std::optional<COLORREF> backColour,
                   std::optional<COLORREF> themeColour, std::optional<int> imageMode) {
    const bool themeFromBack = themeColour && *themeColour == kThemeColourFromBackColour;
    if (!themeFromBack) SkinThemeColour = themeColour.value_or(kDefaultThemeColour);
    if (picture.empty() && !backColour && path.empty()) return;

    if (!path.empty() || !picture.empty()) {
        // The pictures kept from the old background are keyed by bytes about to be replaced.
        ClearPictureCache();
        const COLORREF sampled = AverageImageColour(path.empty() ? picture : ByteView(), kColourSamples, 0, 0, path);
        SkinBackColour = PlainColour(backColour.value_or(sampled));
        if (themeFromBack) SkinThemeColour = SkinBackColour;
        SkinImageMode = imageMode.value_or(kDefaultImageMode);
        SkinBackgroundImage = PrepareBackgroundPicture(path, picture, SkinImageMode);
    } else {
        std::vector<uint8_t>().swap(SkinBackgroundImage);
        SkinBackColour = PlainColour(*backColour);
        if (themeFromBack) SkinThemeColour = SkinBackColour;
    }
    RefreshVisibleWindows(engine);
}

void SkinWindow(SkinEngine& engine, const SkinWindowArgs& args) {
    const HWND window = args.hwnd;
    if (!window || !IsWindow(window)) return;
    // A window is taken over once; a second request changes nothing.
    if (FindSkinnedWindow(window)) return;

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const RECT client = ClientRectOf(window);
    engine.frameBorder = kFrameBorder;
    std::unique_ptr<SkinnedWindow> fresh = BuildRecord(args, style, client, engine.frameBorder);
    SetWindowLongA(window, GWL_STYLE, style | WS_SYSMENU);

    const int index = AppendSkinnedWindow(std::move(fresh));
    if (SkinnedWindow* record = GetSkinnedWindow(index)) CreateCaptionToolTips(*record);
    engine.layoutCaptionButtons(index);
    if (args.stripCount > 0) {
        engine.setStripItems(index, args.stripCount, args.stripItems);
        if (SkinnedWindow* record = GetSkinnedWindow(index)) {
            record->stripTextFlag = 0;
            record->stripTextColour = kWhite;
            record->stripFontName = "宋体";
            record->stripFontSize = 12;
        }
    }
    engine.layoutStripItems(index);
    RunControlInstallers(index, window);

    SkinnedWindow* record = GetSkinnedWindow(index);
    if (!record || record->hwnd != window) return;
    record->backgroundStale = 1;
    // Subclassing comes last, so the frame procedure never sees a half-built record.
    record->prevWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EngineWindowProc)));
    SetPropHandle(window, kPropPreviousProc, record->prevWndProc);
    SetPropInt(window, kPropListIndex, index);
}

int AddSubWindow(SkinEngine&, HWND window, std::optional<int> selfPainted, COLORREF veilColour,
                 std::optional<int> veilAlpha, std::optional<int> fourth) {
    const int recordIndex = FindRegisteredAncestor(window);
    SkinnedWindow* record = GetSkinnedWindow(recordIndex);
    if (!record) return 0;
    if (const int existing = FindSubWindow(recordIndex, window)) return existing;

    const int entryIndex = record->subWindows.takeFreeOrAppend();
    SubWindowEntry* entry = record->subWindows.at(entryIndex);
    if (!entry) return 0;
    entry->hwnd = window;
    entry->veilColour = veilColour;
    entry->veilAlpha = veilAlpha ? (*veilAlpha & 0xFF) : 0xFF;
    entry->roundedBorder = fourth.value_or(0);
    entry->selfPainted = selfPainted.value_or(1);
    if (HasWindowClass(window, "Button") && (GetWindowLongA(window, GWL_STYLE) & 0x4)) {
        entry->groupFrame = 1;
        const ControlFont font = CaptureControlFont(window);
        entry->captionFontName = font.name;
        entry->captionFontSize = font.size;
        entry->captionFontStyle = font.style;
    }

    RunControlInstallers(recordIndex, window);
    record = GetSkinnedWindow(recordIndex);
    entry = record ? record->subWindows.at(entryIndex) : nullptr;
    if (!entry || entry->hwnd != window) return 0;
    entry->needsRebuild = 1;
    entry->previousProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubWindowProc)));
    SetPropHandle(window, kPropPreviousProc, entry->previousProc);
    SetPropInt(window, kPropListIndex, entryIndex);
    SetPropInt(window, kPropOwnerIndex, recordIndex);
    SetPropHandle(window, kPropBackgroundOwner, OwnBackgroundAncestor(window));
    return entryIndex;
}

}  // namespace skin
