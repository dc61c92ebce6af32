#include "CSkinListBox.h"

#include <vector>

#include "CBitmapEdit.h"
#include "Gdi.h"
#include "Guard.h"
#include "SkinMessages.h"

namespace {
// The one list whose line is being edited, in the whole program.
CSkinListBox* g_editing = nullptr;
}

CSkinListBox::CSkinListBox()
    : m_font(CreateFontA(12, 0, 0, 0, FW_LIGHT, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Eurostile")),
      m_selectedText(GetSysColor(COLOR_HIGHLIGHTTEXT)), m_text(GetSysColor(COLOR_WINDOWTEXT)),
      m_selection(GetSysColor(COLOR_HIGHLIGHT)), m_background(CreateSolidBrush(GetSysColor(COLOR_WINDOW)))
{
}

CSkinListBox::~CSkinListBox()
{
    if (g_editing == this) g_editing = nullptr;
}

bool CSkinListBox::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CreateControl("LISTBOX", "", style | WS_CHILD, 0, rect, parent, id);
}

void CSkinListBox::SetColors(COLORREF background, COLORREF selection)
{
    m_background.reset(CreateSolidBrush(background));
    m_selection = selection;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CSkinListBox::SetTextColors(COLORREF text, COLORREF selectedText)
{
    m_text = text;
    m_selectedText = selectedText;
    InvalidateRect(Handle(), nullptr, TRUE);
}

int CSkinListBox::AddLine(DWORD data, const std::string& text)
{
    const int index = static_cast<int>(SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index >= 0) SendMessageA(Handle(), LB_SETITEMDATA, index, data);
    return index;
}

int CSkinListBox::InsertLine(int index, DWORD data, const std::string& text)
{
    const int at = static_cast<int>(SendMessageA(Handle(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str())));
    if (at >= 0) SendMessageA(Handle(), LB_SETITEMDATA, at, data);
    return at;
}

std::string CSkinListBox::LineText(int index) const
{
    const LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    SendMessageA(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

int CSkinListBox::LineCount() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }

bool CSkinListBox::OnReflectMeasureItem(MEASUREITEMSTRUCT& item)
{
    item.itemHeight = kLineHeight;
    return true;
}

bool CSkinListBox::OnReflectDrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.itemID == static_cast<UINT>(-1)) return true;
    HDC dc = item.hDC;
    SelectScope font(dc, m_font.get());
    const std::string text = LineText(static_cast<int>(item.itemID));
    const WORD picture = LOWORD(item.itemData);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    RECT textRect = item.rcItem;
    textRect.left = item.rcItem.left + 5 + (picture ? kPictureWidth : 0);
    textRect.right = textRect.left + extent.cx;

    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    UniqueGdi<HBRUSH> selection(CreateSolidBrush(m_selection));
    if (selected) FillRect(dc, &textRect, selection.get());
    if ((item.itemAction & ODA_SELECT) && !selected) FillRect(dc, &item.rcItem, m_background.get());

    COLORREF colour = m_text;
    if (selected && (item.itemAction & ODA_FOCUS)) {
        colour = m_selectedText;
        FillRect(dc, &textRect, selection.get());
    }
    if (item.itemState & ODS_DISABLED) colour = GetSysColor(COLOR_BTNSHADOW);
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);

    int x = item.rcItem.left + 5;
    if (picture) {
        if (picture != 1) {
            UniqueGdi<HBITMAP> bitmap(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(picture)));
            const SIZE size = BitmapSize(bitmap.get());
            MemoryDc source(dc);
            SelectScope select(source.get(), bitmap.get());
            if (bitmap)
                TransparentBlt(dc, item.rcItem.left + 5, item.rcItem.top + 2, size.cx, size.cy, source.get(), 0, 0,
                               size.cx, size.cy, RGB(255, 0, 255));
        }
        x += kPictureWidth;
    }
    TextOutA(dc, x, item.rcItem.top, text.c_str(), static_cast<int>(text.size()));
    return true;
}

HBRUSH CSkinListBox::OnReflectCtlColor(HDC) { return m_background.get(); }

LRESULT CSkinListBox::OnRButtonDown(UINT, POINT)
{
    PostMessageA(GetParent(Handle()), WM_LIST_RBUTTON, 0, m_listId);
    return Default();
}

LRESULT CSkinListBox::OnMouseWheel(int delta, UINT, POINT)
{
    SendMessageA(Handle(), WM_VSCROLL, delta <= 0 ? SB_LINEDOWN : SB_LINEUP, 0);
    return 0;
}

LRESULT CSkinListBox::OnSetFocus(HWND previous)
{
    if (m_edit && previous == m_edit) CommitEdit(false);
    return Default();
}

void CSkinListBox::BeginNewLine()
{
    if (m_edit || g_editing) return;
    const int line = AddLine(0, "");
    if (line >= 0) OpenEdit(line, true, false, 15);
}

void CSkinListBox::EditSelectedLine()
{
    if (m_edit || g_editing) return;
    const int line = static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
    if (line >= 0) OpenEdit(line, false, true, 20);
}

void CSkinListBox::OpenEdit(int line, bool newLine, bool digitsOnly, int limit)
{
    RECT rect{};
    SendMessageA(Handle(), LB_GETITEMRECT, line, reinterpret_cast<LPARAM>(&rect));
    if (newLine) {
        rect.left += 1;
        rect.right -= 2;
    }
    const DWORD_PTR data = SendMessageA(Handle(), LB_GETITEMDATA, line, 0);
    if (LOWORD(data)) rect.left += 5 + kPictureWidth;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_WANTRETURN | ES_AUTOHSCROLL | (digitsOnly ? ES_NUMBER : 0);
    m_edit = CreateWindowExA(0, "EDIT", LineText(line).c_str(), style, rect.left, rect.top, rect.right - rect.left,
                             rect.bottom - rect.top, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_edit) return;
    SendMessageA(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), TRUE);
    SendMessageA(m_edit, EM_SETSEL, 0, -1);
    SendMessageA(m_edit, EM_LIMITTEXT, limit, 0);
    m_editedLine = line;
    g_editing = this;
    m_editProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(m_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSkinListBox::InlineEditProcedure)));
    SetFocus(m_edit);
}

HWND CSkinListBox::CloseEdit()
{
    m_editedLine = -1;
    if (g_editing == this) g_editing = nullptr;
    // Forgotten before it goes, so that the focus coming back does not commit twice.
    return std::exchange(m_edit, nullptr);
}

void CSkinListBox::CommitEdit(bool selectLine)
{
    const std::string text = WindowText(m_edit);
    const int line = m_editedLine;
    const LRESULT data = SendMessageA(Handle(), LB_GETITEMDATA, line, 0);
    SendMessageA(Handle(), LB_DELETESTRING, line, 0);
    const int inserted = text.empty() ? -1 : InsertLine(line, static_cast<DWORD>(data), text);
    if (selectLine) SendMessageA(Handle(), LB_SETCURSEL, line, 0);
    DestroyWindow(CloseEdit());
    InvalidateRect(Handle(), nullptr, TRUE);
    if (inserted >= 0) PostMessageA(NotifyWindow(), WM_LIST_EDITED, inserted, m_listId);
}

void CSkinListBox::CancelEdit()
{
    SendMessageA(Handle(), LB_DELETESTRING, m_editedLine, 0);
    DestroyWindow(CloseEdit());
    InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT CALLBACK CSkinListBox::InlineEditProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CSkinListBox* list = g_editing;
    if (!list || list->m_edit != hwnd) return DefWindowProcA(hwnd, message, wParam, lParam);
    const WNDPROC previous = list->m_editProcedure;
    return Guarded("Inline edit", LRESULT{0}, [&]() -> LRESULT {
        if (message == WM_KEYUP && wParam == VK_RETURN) {
            list->CommitEdit(true);
            return 0;
        }
        if (message == WM_KEYUP && wParam == VK_ESCAPE) {
            list->CancelEdit();
            return 0;
        }
        return CallWindowProcA(previous, hwnd, message, wParam, lParam);
    });
}
