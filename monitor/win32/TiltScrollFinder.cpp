#include "TiltScrollFinder.h"

#include "TiltMethod.h"

namespace {

constexpr int kClassNameLength = 260;
// A pane's bar may stick out a little past the pane on either side.
constexpr int kPaneBarSlack = 25;

bool HasClass(HWND window, const char* name) { return WindowClassOf(window) == name; }

// An "AVL_AVScrollBar" frame holds the real bar as its first child.
HWND FramedHorizontalBar(HWND frame)
{
    if (!HasClass(frame, "AVL_AVScrollBar")) return nullptr;
    HWND child = GetWindow(frame, GW_CHILD);
    if (!child || !IsScrollBarClass(WindowClassOf(child).c_str())) return nullptr;
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    return (style & (SBS_VERT | SBS_SIZEBOX)) == 0 ? child : nullptr;
}

struct PaneBarSearch {
    const TiltScrollFinder* Finder;
    RECT Reference;
    HWND Found;
};

BOOL CALLBACK CheckPaneBar(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<PaneBarSearch*>(lParam);
    RECT rect;
    if (IsAnyScrollBarClass(WindowClassOf(window).c_str()) && search->Finder->IsHScrollCandidate(window) &&
        GetWindowRect(window, &rect) && rect.left >= search->Reference.left - kPaneBarSlack &&
        rect.right <= search->Reference.right + kPaneBarSlack) {
        search->Found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string WindowClassOf(HWND window)
{
    char name[kClassNameLength + 1] = "";
    if (!window || GetClassNameA(window, name, sizeof name) == 0) return {};
    return name;
}

bool TiltScrollFinder::IsEligible(HWND window)
{
    if (!window || window == GetDesktopWindow()) return false;
    if (HasClass(window, "SysListView32")) {
        for (HWND ancestor = GetParent(window); ancestor; ancestor = GetParent(ancestor))
            if (HasClass(ancestor, "Progman")) return false;
    }
    return true;
}

HWND TiltScrollFinder::FindHScrollTarget(HWND window) const
{
    if (!IsEligible(window)) return nullptr;
    POINT point = m_cursor;
    ScreenToClient(window, &point);
    HWND hit = ChildWindowFromPoint(window, point);
    if (!hit) hit = window;
    const std::string hitClass = WindowClassOf(hit);

    HWND result = nullptr;
    if (IsArrowKeyClass(hitClass.c_str())) result = GetParent(hit);
    else if (IsHScrollCandidate(hit)) result = hit;
    if (!result && !IsScrollBarClass(hitClass.c_str())) {
        result = SearchChildren(hit);
        if (!result) result = SearchSiblings(hit);
    }
    if (result) return result;
    if (hitClass == "paneClassDC" || hitClass == "VISIOG") return BarNearPane(hit);
    return nullptr;
}

HWND TiltScrollFinder::BarNearPane(HWND pane) const
{
    PaneBarSearch search{this, {}, nullptr};
    HWND parent = GetParent(pane);
    if (!parent || !GetWindowRect(pane, &search.Reference)) return nullptr;
    EnumChildWindows(parent, &CheckPaneBar, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

bool TiltScrollFinder::IsHScrollCandidate(HWND window) const
{
    const std::string name = WindowClassOf(window);
    if (name == "Internet Explorer_Server") return true;
    if (IsAnyScrollBarClass(name.c_str())) {
        RECT rect;
        return GetWindowRect(window, &rect) && rect.right - rect.left > rect.bottom - rect.top && m_cursor.x < rect.right;
    }
    return (GetWindowLongPtrA(window, GWL_STYLE) & WS_HSCROLL) != 0;
}

HWND TiltScrollFinder::SearchChildren(HWND window) const
{
    HWND child = GetWindow(window, GW_CHILD);
    if (!child) return nullptr;
    if (IsHScrollCandidate(child)) return child;
    return SearchSiblings(child);
}

HWND TiltScrollFinder::SearchSiblings(HWND window) const
{
    for (HWND s = GetWindow(window, GW_HWNDNEXT); s; s = GetWindow(s, GW_HWNDNEXT)) {
        if (HWND bar = FramedHorizontalBar(s)) return bar;
        if (IsAnyScrollBarClass(WindowClassOf(s).c_str()) && IsHScrollCandidate(s)) return s;
    }
    for (HWND s = GetWindow(window, GW_HWNDPREV); s; s = GetWindow(s, GW_HWNDPREV)) {
        if (HWND bar = FramedHorizontalBar(s)) return bar;
        const std::string name = WindowClassOf(s);
        if (IsScrollBarClass(name.c_str()) && IsHScrollCandidate(s)) return s;
        if (name == "AfxWnd70" || name == "AfxWnd42")
            if (HWND found = SearchChildren(s)) return found;
    }
    return nullptr;
}
