#pragma once
// The choice of one message and its parameters (part of MessageMaker.h).
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace fuzz {

inline bool SameClass(const std::string& a, const char* b) { return lstrcmpiA(a.c_str(), b) == 0; }

inline bool MessageMaker::pick(HWND target, Proc proc, const std::string& cls, Message& m) {
    const bool parent = proc == Proc::kFrame || proc == Proc::kSub;
    auto plain = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        m.message = message;
        m.wParam = wParam;
        m.lParam = lParam;
        return true;
    };
    // Messages no skin answers: they must arrive unchanged where the skin passes them.
    auto passed = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        m.mustPassOn = true;
        return plain(message, wParam, lParam);
    };
    auto count = [&](UINT message) { return static_cast<int>(SendMessageA(target, message, 0, 0)); };

    switch (below(44)) {
        case 0:
        case 1:
            return plain(WM_MOUSEMOVE, keyState(), point());
        case 2:
            m.releaseFirst = true;
            return plain(WM_LBUTTONDOWN, MK_LBUTTON | keyState(), point());
        case 3:
            return plain(chance(50) ? WM_LBUTTONUP : WM_LBUTTONDBLCLK, keyState(), point());
        case 4:
            m.releaseFirst = true;
            return passed(chance(50) ? WM_RBUTTONDOWN : WM_RBUTTONUP, keyState(), point());
        case 5:
            return plain(WM_MOUSEWHEEL, MAKEWPARAM(keyState(), static_cast<WORD>(between(-3, 3) * WHEEL_DELTA)),
                         point());
        case 6:
            return plain(chance(60) ? WM_MOUSELEAVE : WM_MOUSEHOVER, keyState(), point());
        case 7:
            m.realFocus = true;
            return plain(chance(50) ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0);
        case 8:
        case 9: {
            const int kind = below(3);
            const UINT message = kind == 0 ? WM_KEYDOWN : kind == 1 ? WM_KEYUP : WM_CHAR;
            const LPARAM flags = message == WM_KEYUP ? static_cast<LPARAM>(0xC0000001u) : 1;
            if (message == WM_CHAR) return passed(message, static_cast<WPARAM>(between(0x20, 0x7E)), flags);
            return plain(message, key(), flags);
        }
        case 10:
            if (chance(50)) return plain(WM_MOVE, 0, MAKELPARAM(between(-20, 900), between(-20, 600)));
            return plain(WM_SIZE, static_cast<WPARAM>(below(5)), MAKELPARAM(between(0, 1000), between(0, 700)));
        case 11:
            return plain(WM_PAINT, chance(50) ? 0 : reinterpret_cast<WPARAM>(memoryDC(m)), 0);
        case 12:
            return plain(WM_ERASEBKGND, chance(15) ? 0 : reinterpret_cast<WPARAM>(ownDC(m)), 0);
        case 13: {
            WPARAM region = 1;
            if (chance(40)) {
                RECT r = moderateRect();
                m.deleteAfter = CreateRectRgn(r.left, r.top, r.right, r.bottom);
                region = reinterpret_cast<WPARAM>(m.deleteAfter);
            } else if (chance(20)) {
                region = 0;
            }
            return plain(WM_NCPAINT, region, 0);
        }
        case 14:
            return passed(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memoryDC(m)),
                          static_cast<LPARAM>(any() & (PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN | PRF_NONCLIENT)));
        case 15:
            return plain(WM_TIMER, chance(50) ? reinterpret_cast<WPARAM>(target) : static_cast<WPARAM>(below(8)), 0);
        case 16:
            if (chance(50)) return passed(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(ownWindowOrNull()));
            return passed(WM_ENABLE, chance(80) ? 1 : 0, 0);
        case 17:
            return plain(WM_SHOWWINDOW, chance(80) ? 1 : 0, 0);
        case 18: {
            auto* position = randomStruct<WINDOWPOS>();
            position->hwnd = target;
            position->hwndInsertAfter = nullptr;
            const RECT r = moderateRect();
            position->x = r.left;
            position->y = r.top;
            position->cx = r.right - r.left;
            position->cy = r.bottom - r.top;
            position->flags &= 0x3FF;
            return plain(chance(50) ? WM_WINDOWPOSCHANGED : WM_WINDOWPOSCHANGING, 0,
                         reinterpret_cast<LPARAM>(position));
        }
        case 19:
            if (proc == Proc::kFrame && chance(40)) {
                m.unsafe = true;
                return plain(WM_GETMINMAXINFO, 0, badPointer());
            }
            return plain(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(randomStruct<MINMAXINFO>()));
        case 20:
            if ((proc == Proc::kFrame || proc == Proc::kButton) && chance(40)) {
                const LPARAM pointer = badPointer();
                m.unsafe = pointer != 0;  // a null text is the system's empty text
                return plain(WM_SETTEXT, 0, pointer);
            }
            return plain(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text()));
        case 21:
            std::fill(buffer_.begin(), buffer_.end(), 0);
            return passed(WM_GETTEXT, static_cast<WPARAM>(between(0, static_cast<int>(buffer_.size()))),
                          reinterpret_cast<LPARAM>(buffer_.data()));
        case 22: {
            switch (below(6)) {
                case 0:
                    return passed(WM_NULL, any(), static_cast<LPARAM>(any()));
                case 1:
                    return passed(WM_GETTEXTLENGTH, 0, 0);
                case 2:
                    return passed(WM_GETFONT, 0, 0);
                case 3:
                    return passed(WM_NCHITTEST, 0, point());
                case 4:
                    return passed(WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
                default:
                    return passed(WM_APP + static_cast<UINT>(below(0x3FFF)), any(), static_cast<LPARAM>(any()));
            }
        }
        case 23: {
            static const int kFonts[] = {DEFAULT_GUI_FONT, SYSTEM_FONT, ANSI_VAR_FONT};
            const WPARAM font = chance(20) ? 0 : reinterpret_cast<WPARAM>(GetStockObject(kFonts[below(3)]));
            return passed(WM_SETFONT, font, chance(50));
        }
        case 24:
        case 25: {
            static const UINT kColours[] = {WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT,      WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN,
                                            WM_CTLCOLORDLG,    WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC};
            const UINT message = kColours[below(7)];
            const WPARAM dc = reinterpret_cast<WPARAM>(ownDC(m));
            const LPARAM control = reinterpret_cast<LPARAM>(ownWindow());
            if (message == WM_CTLCOLORMSGBOX || message == WM_CTLCOLORDLG || message == WM_CTLCOLORSCROLLBAR) {
                return passed(message, dc, control);
            }
            return plain(message, dc, control);
        }
        case 26: {
            if (!parent && proc != Proc::kCombo) return false;
            if (parent && chance(30)) {
                m.unsafe = true;
                return plain(WM_DRAWITEM, 0, badPointer());
            }
            auto* item = randomStruct<DRAWITEMSTRUCT>();
            item->CtlType = static_cast<UINT>(below(6));
            item->itemAction = static_cast<UINT>(1 << below(3));
            item->itemState &= 0x1FFF;
            item->hwndItem = chance(10) ? reinterpret_cast<HWND>(static_cast<uintptr_t>(any())) : ownWindowOrNull();
            item->hDC = chance(10) ? nullptr : ownDC(m);
            item->rcItem = moderateRect();
            item->CtlID = static_cast<UINT>(GetDlgCtrlID(item->hwndItem));
            return plain(WM_DRAWITEM, item->CtlID, reinterpret_cast<LPARAM>(item));
        }
        case 27: {
            if (!parent) return false;
            if (chance(30)) {
                m.unsafe = true;
                return plain(WM_NOTIFY, 0, badPointer());
            }
            static const UINT kCodes[] = {static_cast<UINT>(TVN_ITEMEXPANDEDA), static_cast<UINT>(TVN_ITEMEXPANDINGA),
                                          static_cast<UINT>(NM_CLICK), static_cast<UINT>(NM_SETFOCUS), 0x12345678u};
            auto* header = randomStruct<NMHDR>();
            header->hwndFrom = chance(10) ? reinterpret_cast<HWND>(static_cast<uintptr_t>(any())) : ownWindowOrNull();
            header->code = kCodes[below(5)];
            return plain(WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
        }
        case 28: {
            static const WORD kCodes[] = {BN_CLICKED,   EN_CHANGE,     EN_UPDATE,     EN_VSCROLL,    EN_SETFOCUS,
                                          EN_KILLFOCUS, LBN_SELCHANGE, CBN_SELCHANGE, CBN_KILLFOCUS, 0x7777};
            HWND source = ownWindowOrNull();
            const WORD id = chance(80) && source ? static_cast<WORD>(GetDlgCtrlID(source)) : static_cast<WORD>(any());
            return plain(WM_COMMAND, MAKEWPARAM(id, kCodes[below(10)]), reinterpret_cast<LPARAM>(source));
        }
        case 29:
            return plain(chance(50) ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(below(9), between(0, 200)),
                         chance(70) ? 0 : reinterpret_cast<LPARAM>(ownWindow()));
        case 30: {
            if (proc != Proc::kFrame) return false;
            static const WPARAM kCommands[] = {SC_MINIMIZE, SC_MAXIMIZE,         SC_RESTORE,
                                               SC_RESTORE,  SC_SIZE + WMSZ_LEFT, SC_SIZE + WMSZ_BOTTOMRIGHT,
                                               SC_MOVE,     SC_KEYMENU};
            return plain(WM_SYSCOMMAND, kCommands[below(8)], point());
        }
        case 31:
            if (proc != Proc::kFrame) return false;
            return plain(WM_QUERYOPEN, 0, 0);
        default:
            break;
    }

    // Messages of the target's own class; no skin answers any of them.
    m.mustPassOn = true;
    if (SameClass(cls, "Button")) {
        switch (below(4)) {
            case 0:
                m.mustPassOn = true;
                return plain(BM_SETCHECK, static_cast<WPARAM>(below(3)), 0);
            case 1:
                return plain(BM_SETSTATE, static_cast<WPARAM>(below(2)), 0);
            case 2:
                return plain(BM_CLICK, 0, 0);
            default:
                return plain(BM_GETCHECK, 0, 0);
        }
    }
    if (SameClass(cls, "Edit")) {
        if (GetWindowTextLengthA(target) > 3000) return plain(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        switch (below(7)) {
            case 0:
                return plain(EM_SETSEL, static_cast<WPARAM>(between(-2, 60)), between(-2, 60));
            case 1:
                return plain(EM_REPLACESEL, below(2), reinterpret_cast<LPARAM>(text()));
            case 2:
                return plain(EM_SETREADONLY, static_cast<WPARAM>(below(2)), 0);
            case 3:
                return plain(EM_LINESCROLL, 0, between(-5, 5));
            case 4:
                return plain(EM_SCROLL, static_cast<WPARAM>(below(4)), 0);
            case 5:
                return plain(EM_UNDO, 0, 0);
            default: {
                static const UINT kClipboard[] = {WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR};
                return plain(kClipboard[below(4)], 0, 0);
            }
        }
    }
    if (SameClass(cls, "ComboBox")) {
        switch (below(5)) {
            case 0:
                return plain(CB_SETCURSEL, static_cast<WPARAM>(between(-1, 10)), 0);
            case 1:
                return plain(CB_SHOWDROPDOWN, static_cast<WPARAM>(below(2)), 0);
            case 2:
                if (count(CB_GETCOUNT) > 30) return plain(CB_DELETESTRING, 0, 0);
                return plain(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(itemText()));
            case 3:
                if (count(CB_GETCOUNT) < 4) return false;
                return plain(CB_DELETESTRING, static_cast<WPARAM>(between(0, 10)), 0);
            default:
                return plain(CB_SETEDITSEL, 0, MAKELPARAM(between(-1, 20), between(-1, 20)));
        }
    }
    if (SameClass(cls, "ListBox") || SameClass(cls, "ComboLBox")) {
        switch (below(5)) {
            case 0:
                return plain(LB_SETCURSEL, static_cast<WPARAM>(between(-1, 30)), 0);
            case 1:
                return plain(LB_SETTOPINDEX, static_cast<WPARAM>(between(0, 30)), 0);
            case 2:
                if (SameClass(cls, "ComboLBox") || count(LB_GETCOUNT) > 40) return false;
                return plain(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(itemText()));
            case 3:
                if (SameClass(cls, "ComboLBox") || count(LB_GETCOUNT) < 4) return false;
                return plain(LB_DELETESTRING, static_cast<WPARAM>(between(0, 30)), 0);
            default:
                return plain(LB_SETCARETINDEX, static_cast<WPARAM>(between(-1, 30)), below(2));
        }
    }
    if (SameClass(cls, WC_LISTVIEWA)) {
        switch (below(5)) {
            case 0:
                return plain(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(below(3)), between(-2, 300));
            case 1:
                return plain(LVM_ENSUREVISIBLE, static_cast<WPARAM>(between(-1, 12)), below(2));
            case 2:
                return plain(LVM_SCROLL, static_cast<WPARAM>(between(-50, 50)), between(-50, 50));
            case 3: {
                auto* item = randomStruct<LVITEMA>();
                *item = LVITEMA{};
                item->stateMask = LVIS_SELECTED | LVIS_FOCUSED;
                item->state = static_cast<UINT>(any()) & item->stateMask;
                return plain(LVM_SETITEMSTATE, static_cast<WPARAM>(between(-1, 12)), reinterpret_cast<LPARAM>(item));
            }
            default: {
                if (count(LVM_GETITEMCOUNT) > 30) return plain(LVM_DELETEITEM, 0, 0);
                auto* item = randomStruct<LVITEMA>();
                *item = LVITEMA{};
                item->mask = LVIF_TEXT;
                item->iItem = between(0, 40);
                item->pszText = const_cast<char*>(itemText());
                return plain(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item));
            }
        }
    }
    if (SameClass(cls, WC_TREEVIEWA)) {
        HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(target, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        for (int steps = below(12); item && steps > 0; --steps) {
            HTREEITEM next = reinterpret_cast<HTREEITEM>(
                SendMessageA(target, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)));
            if (!next) break;
            item = next;
        }
        switch (below(4)) {
            case 0:
                return plain(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(chance(10) ? nullptr : item));
            case 1:
                return plain(TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(item));
            case 2:
                return plain(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
            default:
                return plain(TVM_SETINDENT, static_cast<WPARAM>(between(0, 40)), 0);
        }
    }
    if (SameClass(cls, WC_IPADDRESSA)) {
        switch (below(3)) {
            case 0:
                return plain(IPM_SETADDRESS, 0, static_cast<LPARAM>(any()));
            case 1:
                return plain(IPM_CLEARADDRESS, 0, 0);
            default:
                return plain(IPM_SETFOCUS, static_cast<WPARAM>(below(5)), 0);
        }
    }
    if (SameClass(cls, DATETIMEPICK_CLASSA)) {
        if (chance(50)) {
            static const char* const kFormats[] = {"yyyy-MM-dd", "HH':'mm", "'day' d", nullptr};
            return plain(DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(kFormats[below(4)]));
        }
        auto* time = randomStruct<SYSTEMTIME>();
        *time = SYSTEMTIME{};
        time->wYear = static_cast<WORD>(between(1990, 2030));
        time->wMonth = static_cast<WORD>(between(1, 12));
        time->wDay = static_cast<WORD>(between(1, 28));
        time->wHour = static_cast<WORD>(between(0, 23));
        return plain(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(time));
    }
    if (SameClass(cls, TRACKBAR_CLASSA)) {
        switch (below(5)) {
            case 0:
                return plain(TBM_SETPOS, TRUE, between(-50, 250));
            case 1:
                return plain(TBM_SETRANGE, TRUE, MAKELPARAM(between(0, 60), between(0, 250)));
            case 2:
                return plain(TBM_SETSEL, TRUE, MAKELPARAM(between(0, 100), between(0, 100)));
            case 3:
                return plain(TBM_SETTICFREQ, static_cast<WPARAM>(between(0, 30)), 0);
            default:
                return plain(TBM_SETPAGESIZE, 0, between(0, 60));
        }
    }
    if (SameClass(cls, PROGRESS_CLASSA)) {
        switch (below(5)) {
            case 0:
                return plain(PBM_SETPOS, static_cast<WPARAM>(between(-50, 250)), 0);
            case 1:
                return plain(PBM_SETRANGE32, static_cast<WPARAM>(between(-100, 100)), between(-100, 250));
            case 2:
                return plain(PBM_DELTAPOS, static_cast<WPARAM>(between(-30, 30)), 0);
            case 3:
                return plain(PBM_STEPIT, 0, 0);
            default:
                return plain(PBM_SETBARCOLOR, 0,
                             chance(20) ? static_cast<LPARAM>(CLR_DEFAULT) : static_cast<LPARAM>(any() & 0xFFFFFF));
        }
    }
    if (SameClass(cls, UPDOWN_CLASSA)) {
        switch (below(4)) {
            case 0:
                return plain(UDM_SETPOS32, 0, between(-200, 200));
            case 1:
                return plain(UDM_SETRANGE32, static_cast<WPARAM>(between(-100, 100)), between(-100, 100));
            case 2:
                return plain(UDM_SETBASE, chance(50) ? 10 : 16, 0);
            default: {
                auto* accel = randomStruct<UDACCEL>();
                accel->nSec = static_cast<UINT>(below(3));
                accel->nInc = static_cast<UINT>(between(1, 5));
                return plain(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(accel));
            }
        }
    }
    if (SameClass(cls, WC_HEADERA)) {
        auto* item = randomStruct<HDITEMA>();
        *item = HDITEMA{};
        switch (below(3)) {
            case 0:
                if (count(HDM_GETITEMCOUNT) > 12) return plain(HDM_DELETEITEM, 0, 0);
                item->mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT;
                item->cxy = between(0, 150);
                item->fmt = HDF_STRING | (below(3) == 0 ? HDF_LEFT : below(2) ? HDF_RIGHT : HDF_CENTER);
                item->pszText = const_cast<char*>(itemText());
                return plain(HDM_INSERTITEMA, static_cast<WPARAM>(between(0, 20)), reinterpret_cast<LPARAM>(item));
            case 1:
                if (count(HDM_GETITEMCOUNT) < 3) return false;
                return plain(HDM_DELETEITEM, static_cast<WPARAM>(between(0, 12)), 0);
            default:
                item->mask = HDI_WIDTH;
                item->cxy = between(-5, 300);
                return plain(HDM_SETITEMA, static_cast<WPARAM>(between(-1, 12)), reinterpret_cast<LPARAM>(item));
        }
    }
    return false;
}

}  // namespace fuzz
