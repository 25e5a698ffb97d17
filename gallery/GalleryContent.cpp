#include "gallery/GalleryContent.h"

#include <iterator>
#include <string>

#include "gallery/GalleryLayout.h"
#include "gallery/GalleryWindow.h"
#include "graphics/GdiHandles.h"
#include "skin/draw/Colour.h"

namespace gallery {
namespace {

constexpr int kSwatchSize = 16;

struct Mob {
    const char* name;
    const char* health;
    const char* damage;
};
const Mob kMobs[] = {
    {"僵尸 Zombie", "20", "3"},
    {"骷髅 Skeleton", "20", "2"},
    {"苦力怕 Creeper", "20", "49"},
    {"蜘蛛 Spider", "16", "2"},
    {"末影人 Enderman", "40", "7"},
    {"烈焰人 Blaze", "20", "6"},
    {"凋灵骷髅 Wither Skeleton", "20", "8"},
};

const char* const kGear[] = {"钻石剑 DIAMOND_SWORD", "铁头盔 IRON_HELMET", "弓 BOW",        "金苹果 GOLDEN_APPLE",
                             "末影珍珠 ENDER_PEARL", "烈焰棒 BLAZE_ROD",   "三叉戟 TRIDENT"};

struct Swatch {
    const char* name;
    COLORREF colour;
};
const Swatch kBlocks[] = {
    {"草方块 Grass", RGB(96, 160, 64)}, {"泥土 Dirt", RGB(134, 96, 67)},           {"石头 Stone", RGB(128, 128, 128)},
    {"沙子 Sand", RGB(219, 207, 163)},  {"钻石矿 Diamond ore", RGB(92, 219, 213)}, {"红石 Redstone", RGB(200, 30, 30)},
    {"青金石 Lapis", RGB(38, 67, 156)}, {"黑曜石 Obsidian", RGB(20, 18, 30)},
};

const char* const kSlots[] = {"主手 HAND", "副手 OFFHAND", "头 HEAD", "胸 CHEST", "腿 LEGS", "脚 FEET"};

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(window, message, wParam, lParam);
}

LPARAM Text(const char* text) { return reinterpret_cast<LPARAM>(text); }

void FillListBoxes(HWND gallery) {
    for (const char* item : kGear) Send(GalleryItem(gallery, kIdListPlain), LB_ADDSTRING, 0, Text(item));
    Send(GalleryItem(gallery, kIdListPlain), LB_SETCURSEL, 1);
    HWND drawn = GalleryItem(gallery, kIdListOwnerDrawn);
    for (const Swatch& block : kBlocks) {
        const LRESULT index = Send(drawn, LB_ADDSTRING, 0, Text(block.name));
        if (index >= 0) Send(drawn, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(block.colour));
    }
    Send(drawn, LB_SETCURSEL, 4);
    for (const Mob& mob : kMobs) Send(GalleryItem(gallery, kIdGroupList), LB_ADDSTRING, 0, Text(mob.name));
}

void FillComboBoxes(HWND gallery) {
    for (int id : {kIdComboSimple, kIdComboDropDown, kIdComboDropList}) {
        HWND combo = GalleryItem(gallery, id);
        for (const char* slot : kSlots) Send(combo, CB_ADDSTRING, 0, Text(slot));
        Send(combo, CB_SETCURSEL, 0);
    }
}

void FillFields(HWND gallery) {
    Send(GalleryItem(gallery, kIdIpAddress), IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 20));
}

void FillListView(HWND view) {
    Send(view, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const char* const headings[] = {"怪物 Mob", "血量", "攻击"};
    const int widths[] = {170, 60, 60};
    for (int column = 0; column < 3; ++column) {
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        info.pszText = const_cast<char*>(headings[column]);
        info.cx = widths[column];
        info.iSubItem = column;
        Send(view, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    }
    int row = 0;
    for (const Mob& mob : kMobs) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row++;
        item.pszText = const_cast<char*>(mob.name);
        const int at = static_cast<int>(Send(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        if (at < 0) continue;
        const char* const cells[] = {mob.health, mob.damage};
        for (int sub = 1; sub <= 2; ++sub) {
            LVITEMA cell = {};
            cell.iSubItem = sub;
            cell.pszText = const_cast<char*>(cells[sub - 1]);
            Send(view, LVM_SETITEMTEXTA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&cell));
        }
    }
}

HTREEITEM AddTreeItem(HWND tree, HTREEITEM parent, const char* text) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text);
    return reinterpret_cast<HTREEITEM>(Send(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void FillTree(HWND tree) {
    struct Branch {
        const char* name;
        const char* children[4];
    };
    const Branch kBranches[] = {
        {"敌对生物 Hostile", {"僵尸 Zombie", "骷髅 Skeleton", "苦力怕 Creeper", "女巫 Witch"}},
        {"中立生物 Neutral", {"末影人 Enderman", "狼 Wolf", "蜜蜂 Bee", nullptr}},
        {"被动生物 Passive", {"牛 Cow", "羊 Sheep", "村民 Villager", nullptr}},
    };
    HTREEITEM first = nullptr;
    for (const Branch& branch : kBranches) {
        HTREEITEM parent = AddTreeItem(tree, TVI_ROOT, branch.name);
        if (!first) first = parent;
        for (const char* child : branch.children) {
            if (child) AddTreeItem(tree, parent, child);
        }
    }
    if (first) Send(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(first));
}

// A swatch on the key colour, which the image list masks out.
void AddSwatch(HIMAGELIST images, COLORREF colour) {
    gdi::MemoryDC dc;
    gdi::Bitmap bitmap;
    {
        const gdi::WindowDC screen = gdi::WindowDC::Screen();
        dc = gdi::MemoryDC(screen.get());
        bitmap.reset(CreateCompatibleBitmap(screen.get(), kSwatchSize, kSwatchSize));
    }
    if (!dc || !bitmap) return;
    {
        const gdi::Selection selected(dc.get(), bitmap.get());
        const gdi::Brush key(CreateSolidBrush(skin::kKeyColour));
        const gdi::Brush fill(CreateSolidBrush(colour));
        const RECT all = {0, 0, kSwatchSize, kSwatchSize};
        const RECT inner = {2, 2, kSwatchSize - 2, kSwatchSize - 2};
        FillRect(dc.get(), &all, key.get());
        FillRect(dc.get(), &inner, fill.get());
    }
    // Selected out again above: the list copies the bitmap and masks it.
    ImageList_AddMasked(images, bitmap.get(), skin::kKeyColour);
}

HIMAGELIST FillHeader(HWND header) {
    HIMAGELIST images = ImageList_Create(kSwatchSize, kSwatchSize, ILC_COLOR32 | ILC_MASK, 3, 0);
    if (images) {
        for (const Swatch& block : {kBlocks[0], kBlocks[4], kBlocks[5]}) AddSwatch(images, block.colour);
        Send(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    }
    const char* const headings[] = {"名称 Name", "类型 Type", "掉落 Drops"};
    const int widths[] = {120, 90, 100};
    for (int column = 0; column < 3; ++column) {
        HDITEMA item = {};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | (images ? HDI_IMAGE : 0);
        item.pszText = const_cast<char*>(headings[column]);
        item.cxy = widths[column];
        item.fmt = HDF_LEFT | HDF_STRING | (images ? HDF_IMAGE : 0);
        item.iImage = column;
        Send(header, HDM_INSERTITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    }
    return images;
}

void SetTrackBar(HWND track, int position) {
    Send(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    Send(track, TBM_SETTICFREQ, 1);
    Send(track, TBM_SETPOS, TRUE, position);
}

void FillBars(HWND gallery) {
    SetTrackBar(GalleryItem(gallery, kIdTrackBottom), 6);
    SetTrackBar(GalleryItem(gallery, kIdTrackTop), 3);
    SetTrackBar(GalleryItem(gallery, kIdTrackBoth), 8);
    SetTrackBar(GalleryItem(gallery, kIdTrackSelection), 5);
    Send(GalleryItem(gallery, kIdTrackSelection), TBM_SETSEL, TRUE, MAKELPARAM(3, 7));
    SetTrackBar(GalleryItem(gallery, kIdTrackVertical), 4);
    const struct {
        int id;
        int position;
    } kProgress[] = {{kIdProgress, 60}, {kIdProgressVertical, 40}, {kIdGroupProgress, 80}};
    for (const auto& bar : kProgress) {
        Send(GalleryItem(gallery, bar.id), PBM_SETRANGE32, 0, 100);
        Send(GalleryItem(gallery, bar.id), PBM_SETPOS, static_cast<WPARAM>(bar.position));
    }
}

void FillUpDowns(HWND gallery) {
    const struct {
        int upDown;
        int buddy;
        int position;
    } kPairs[] = {{kIdUpDown, kIdUpDownBuddy, 20}, {kIdUpDownHorz, kIdUpDownHorzBuddy, 3}};
    for (const auto& pair : kPairs) {
        HWND upDown = GalleryItem(gallery, pair.upDown);
        Send(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GalleryItem(gallery, pair.buddy)));
        Send(upDown, UDM_SETRANGE32, 0, 100);
        Send(upDown, UDM_SETPOS32, 0, pair.position);
    }
}

}  // namespace

HIMAGELIST FillGalleryControls(HWND gallery) {
    FillListBoxes(gallery);
    FillComboBoxes(gallery);
    FillFields(gallery);
    FillListView(GalleryItem(gallery, kIdListView));
    FillListView(GalleryItem(gallery, kIdListViewSorted));
    FillTree(GalleryItem(gallery, kIdTreeView));
    FillBars(gallery);
    FillUpDowns(gallery);
    Send(GalleryItem(gallery, kIdGroupRadioDay), BM_SETCHECK, BST_CHECKED);
    return FillHeader(GalleryItem(gallery, kIdHeader));
}

void DrawOwnerDrawnItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1) || !item.hDC) return;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT row = item.rcItem;
    HBRUSH back = GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    FillRect(item.hDC, &row, back);

    const RECT square = {row.left + 3, row.top + 3, row.left + 3 + (kOwnerDrawnItemHeight - 6), row.bottom - 3};
    FillRect(item.hDC, &square, gdi::Brush(CreateSolidBrush(static_cast<COLORREF>(item.itemData))).get());
    FrameRect(item.hDC, &square, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    const LRESULT length = SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    if (length > 0 && length < 1024) {
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        RECT words = row;
        words.left = square.right + 6;
        const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
        const COLORREF oldColour =
            SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &words,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SetTextColor(item.hDC, oldColour);
        SetBkMode(item.hDC, oldMode);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &row);
}

}  // namespace gallery
