// The owner-drawn list of the macro manager: a picture in front of each line, own colours
// and font, and the one inline edit box of the program.
#pragma once

#include <string>

#include "UniqueResource.h"
#include "Widget.h"

class CSkinListBox : public Widget {
public:
    static constexpr int kLineHeight = 18;
    static constexpr int kPictureWidth = 16;

    CSkinListBox();
    ~CSkinListBox() override;

    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    void SetNotifyId(int id) { m_listId = id; }
    void SetNotifyWindow(HWND window) { m_notify = window; }
    void SetColors(COLORREF background, COLORREF selection);
    void SetTextColors(COLORREF text, COLORREF selectedText);
    // The low 16 bits of data name a bitmap resource (0 none, 1 none but indented).
    int AddLine(DWORD data, const std::string& text);
    int InsertLine(int index, DWORD data, const std::string& text);
    void BeginNewLine();
    void EditSelectedLine();
    HWND EditBox() const { return m_edit; }
    int EditedLine() const { return m_editedLine; }
    std::string LineText(int index) const;
    int LineCount() const;

protected:
    bool OnReflectDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnReflectMeasureItem(MEASUREITEMSTRUCT& item) override;
    HBRUSH OnReflectCtlColor(HDC dc) override;
    LRESULT OnRButtonDown(UINT keys, POINT point) override;
    LRESULT OnMouseWheel(int delta, UINT keys, POINT point) override;
    LRESULT OnSetFocus(HWND previous) override;

private:
    static LRESULT CALLBACK InlineEditProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OpenEdit(int line, bool newLine, bool digitsOnly, int limit);
    void CommitEdit(bool selectLine);
    void CancelEdit();
    HWND CloseEdit();
    HWND NotifyWindow() const { return m_notify ? m_notify : GetParent(Handle()); }

    HWND m_notify = nullptr;
    int m_listId = 0;
    UniqueGdi<HFONT> m_font;
    HWND m_edit = nullptr;
    WNDPROC m_editProcedure = nullptr;
    int m_editedLine = -1;
    COLORREF m_selectedText, m_text, m_selection;
    UniqueGdi<HBRUSH> m_background;
};
