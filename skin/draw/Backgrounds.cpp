#include "skin/draw/Backgrounds.h"

#include <algorithm>
#include <vector>

#include "graphics/GxGraphics.h"
#include "graphics/GxPath.h"
#include "graphics/GxPenBrush.h"
#include "skin/core/Properties.h"
#include "skin/core/SkinRegistry.h"
#include "skin/draw/Colour.h"
#include "skin/draw/Geometry.h"
#include "skin/draw/Paths.h"
#include "skin/draw/TopDownPixels.h"
#include "skin/draw/Veil.h"
#include "skin/draw/WindowQueries.h"

namespace skin {
namespace {

constexpr int kGroupPanelCorner = 5;

// Where the background behind a window comes from.
struct SourceSearch {
    int record = 0;            // registry index
    int subWindow = 0;         // index in the record's subWindows
    HWND container = nullptr;  // window holding its own background in "Wxk_Cj"
    bool topLevel = false;     // the window lies directly on the record's window
};

SourceSearch FindBackgroundSource(HWND window) {
    SourceSearch found;
    if (CarriesOwnBackground(window)) {
        found.container = window;
        return found;
    }
    if (int index = FindSkinnedWindow(window)) {
        found.record = index;
        found.topLevel = true;
        return found;
    }
    SkinRegistry& registry = TheSkinRegistry();
    // The nearest ancestor that says where the background comes from ends the search.
    FindAncestor(window, [&](HWND ancestor) {
        if (CarriesOwnBackground(ancestor)) {
            found.container = ancestor;
            return true;
        }
        for (int index = 1; index <= registry.count(); ++index) {
            const SkinnedWindow* record = registry.at(index);
            if (!record) continue;
            if (record->hwnd == ancestor) {
                found.record = index;
                found.topLevel = true;
                return true;
            }
            if (int position = record->subWindows.findWindow(ancestor)) {
                if (HWND owner = GetPropHandle<HWND>(ancestor, kPropBackgroundOwner)) {
                    found.container = owner;
                } else {
                    found.record = index;
                    found.subWindow = position;
                }
                return true;
            }
        }
        return false;
    });
    return found;
}

// The record a window belongs to: its own, else its nearest registered ancestor's.
int FindOwningRecord(HWND window) {
    if (int index = FindSkinnedWindow(window)) return index;
    return FindRegisteredAncestor(window);
}

// What to copy and which veil to lay over it.
struct CompositionPlan {
    HDC source = nullptr;
    POINT origin = {};  // the window's offset inside the source picture
    const SubWindowEntry* veil = nullptr;
    bool roundedAllowed = false;
};

const SubWindowEntry* VeiledEntry(const SkinnedWindow* record, int position) {
    const SubWindowEntry* entry = record ? record->subWindows.at(position) : nullptr;
    return entry && entry->veilColour != 0 ? entry : nullptr;
}

POINT TopLeft(const RECT& rect) { return POINT{rect.left, rect.top}; }

// False when the window belongs to no registered window.
bool PlanComposition(HWND window, CompositionPlan& plan) {
    const SourceSearch found = FindBackgroundSource(window);

    if (found.topLevel) {
        const SkinnedWindow* record = GetSkinnedWindow(found.record);
        if (!record) return false;
        plan.source = record->backgroundDC.get();
        // Any sub-window between would have ended the search, so the nearest ancestor
        // that counts is the record's window itself.
        if (window != record->hwnd) plan.origin = TopLeft(WindowRectRelativeTo(record->hwnd, window));
        plan.veil = VeiledEntry(record, record->subWindows.findWindow(window));
        plan.roundedAllowed = true;
        return true;
    }

    if (found.container == window) {
        if (HWND owner = GetPropHandle<HWND>(window, kPropBackgroundOwner)) {
            plan.source = GetPropHandle<HDC>(owner, kPropOwnBackgroundDC);
            plan.origin = TopLeft(WindowRectRelativeTo(owner, window));
            return true;
        }
        const SkinnedWindow* record = GetSkinnedWindow(FindOwningRecord(window));
        if (!record) return false;
        plan.source = record->backgroundDC.get();
        plan.origin = TopLeft(WindowRectRelativeTo(record->hwnd, window));
        return true;
    }

    if (found.container) {
        plan.source = GetPropHandle<HDC>(found.container, kPropOwnBackgroundDC);
        plan.origin = TopLeft(WindowRectRelativeTo(found.container, window));
        const int recordIndex = found.record ? found.record : FindOwningRecord(window);
        const SkinnedWindow* record = GetSkinnedWindow(recordIndex);
        if (record) {
            int position = record->subWindows.findWindow(window);
            plan.roundedAllowed = position != 0;
            if (!position) position = FindSkinnedAncestor(recordIndex, window, found.container);
            plan.veil = VeiledEntry(record, position);
        }
        return true;
    }

    const int recordIndex = FindOwningRecord(window);
    const SkinnedWindow* record = GetSkinnedWindow(recordIndex);
    if (!record) return false;
    int position = record->subWindows.findWindow(window);
    // The search's index belongs to the search's record only.
    if (!position && recordIndex == found.record) position = found.subWindow;
    plan.source = record->backgroundDC.get();
    plan.origin = TopLeft(WindowRectRelativeTo(record->hwnd, window));
    plan.veil = VeiledEntry(record, position);
    return true;
}

void VeilSubWindow(HDC dc, int width, int height, const SubWindowEntry& entry, bool roundedAllowed) {
    const std::uint32_t colour = RgbToArgb(entry.veilColour, entry.veilAlpha, true);
    if (!(roundedAllowed && entry.groupFrame)) {
        LayVeil(dc, RECT{0, 0, width, height}, colour);
        return;
    }
    GxGraphics graphics;
    if (!graphics.CreateFromHDC(dc)) return;
    GxPath path;
    if (!path.CreatePath()) return;
    AddRoundRectToPath(path, 0, kGroupFrameTop, static_cast<float>(width), static_cast<float>(height - 6),
                       kGroupPanelCorner);
    GxSolidBrush brush;
    if (brush.CreateSolidFill(colour)) graphics.FillPath(brush, path);
}

}  // namespace

HDC CreateBackgroundDC(int width, int height) {
    gdi::Bitmap bitmap(CreateTopDownSection(width, height));
    if (!bitmap) return nullptr;
    gdi::MemoryDC dc(nullptr);
    if (!dc.adopt(bitmap.release())) return nullptr;
    return TheMemoryDCList().record(std::move(dc));
}

HDC ComposeSkinBackground(HWND window, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!window || width <= 0 || height <= 0) return nullptr;

    // Planning first means no DC is made (and left behind) for an unregistered window.
    CompositionPlan plan;
    if (!PlanComposition(window, plan)) return nullptr;

    HDC dc = CreateBackgroundDC(width, height);
    if (!dc) return nullptr;
    // A missing source leaves the picture transparent black.
    if (plan.source) {
        BitBlt(dc, 0, 0, width, height, plan.source, plan.origin.x + rect.left, plan.origin.y + rect.top, SRCCOPY);
    }
    if (plan.veil) VeilSubWindow(dc, width, height, *plan.veil, plan.roundedAllowed);
    return dc;
}

int ReleaseMemoryDC(HDC dc) {
    gdi::MemoryDC listed = TheMemoryDCList().take(dc);
    if (!listed) return 0;
    // A painter that left a bitmap of its own selected gives it up too; it goes once the
    // DC's own bitmap is selected out again.
    HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
    const gdi::GdiObject<HGDIOBJ> leftSelected(selected != listed.bitmap() ? selected : nullptr);
    listed.reset();
    return 1;
}

HBITMAP MemoryDCToBitmap(HDC dc, int width, int height) {
    if (!dc) return nullptr;
    // dc goes back through ReleaseMemoryDC on every way out, after the helper DC.
    const ComposedBackground handedBack(dc);
    if (width <= 0 || height <= 0) return nullptr;
    const gdi::MemoryDC helper(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    if (helper && bitmap) {
        const gdi::Selection selected(helper.get(), bitmap);
        BitBlt(helper.get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    }
    return bitmap;
}

HBITMAP MakeClientBackgroundBitmap(HWND window) {
    const RECT rect = ClientRectInWindow(window);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ComposedBackground background(window, rect);
    if (!background) return nullptr;
    LayVeil(background.dc(), RECT{0, 0, width, height}, VeilWhite());
    return MemoryDCToBitmap(background.detach(), width, height);
}

bool CarriesOwnBackground(HWND window) { return GetPropInt(window, kPropOwnBackground) == 1; }

HWND OwnBackgroundAncestor(HWND window) { return FindAncestor(window, CarriesOwnBackground); }

namespace {

// One change of a composed background: all of the root window's (or every root's, when
// root is null), or only an area of it in its window coordinates.
struct BackgroundChange {
    HWND root;
    bool whole;
    RECT area;
    unsigned serial;
};

// A caption fade redraws the same few button areas over and over: a root keeps at most
// this many area changes before they are folded into one change of the whole.
constexpr std::size_t kMaxAreaChanges = 16;

unsigned g_serial = 1;
std::vector<BackgroundChange>& Changes() {
    static std::vector<BackgroundChange> changes;
    return changes;
}

void NoteWholeChange(HWND root) {
    auto& changes = Changes();
    // Changes of windows that are gone, and those the new one covers, are dropped.
    changes.erase(std::remove_if(changes.begin(), changes.end(),
                                 [root](const BackgroundChange& c) {
                                     return !root || c.root == root || (c.root && !IsWindow(c.root));
                                 }),
                  changes.end());
    changes.push_back(BackgroundChange{root, true, RECT{}, g_serial});
}

}  // namespace

unsigned BackgroundGeneration(HWND control, const RECT& placement) {
    const HWND root = control ? GetAncestor(control, GA_ROOT) : nullptr;
    unsigned generation = 1;
    for (const BackgroundChange& c : Changes()) {
        if (c.root && c.root != root) continue;
        RECT overlap = {};
        if (c.whole || IntersectRect(&overlap, &c.area, &placement)) generation = std::max(generation, c.serial);
    }
    return generation;
}

void NoteBackgroundChanged(HWND window, const RECT* area) {
    ++g_serial;
    const HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (!root || !area) {
        NoteWholeChange(root);
        return;
    }
    // The area in the root's window coordinates, as a control's placement is measured.
    RECT inRoot = *area;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&inRoot), 2);
    RECT rootRect = {};
    GetWindowRect(root, &rootRect);
    OffsetRect(&inRoot, -rootRect.left, -rootRect.top);
    auto& changes = Changes();
    std::size_t areas = 0;
    for (BackgroundChange& c : changes) {
        if (c.root != root || c.whole) continue;
        if (EqualRect(&c.area, &inRoot)) {
            c.serial = g_serial;
            return;
        }
        ++areas;
    }
    if (areas >= kMaxAreaChanges) {
        NoteWholeChange(root);
        return;
    }
    changes.push_back(BackgroundChange{root, false, inRoot, g_serial});
}

}  // namespace skin
