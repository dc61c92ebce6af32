// A popup menu that measures and draws its own items. Each item carries the menu object as
// its item data; the owner window's WM_MEASUREITEM and WM_DRAWITEM reach the object through
// the registry of live menus, so a stale or foreign item data value is never followed.
#pragma once

#include <windows.h>

class OwnerDrawnMenu {
public:
    OwnerDrawnMenu();
    virtual ~OwnerDrawnMenu();
    OwnerDrawnMenu(const OwnerDrawnMenu&) = delete;
    OwnerDrawnMenu& operator=(const OwnerDrawnMenu&) = delete;

    // True when the item belonged to a live menu, which then handled it.
    static bool MeasureItem(MEASUREITEMSTRUCT& item);
    static bool DrawItem(const DRAWITEMSTRUCT& item);

protected:
    ULONG_PTR ItemData() const { return reinterpret_cast<ULONG_PTR>(this); }
    virtual void OnMeasureItem(MEASUREITEMSTRUCT& item) = 0;
    virtual void OnDrawItem(const DRAWITEMSTRUCT& item) = 0;

private:
    static OwnerDrawnMenu* Find(ULONG_PTR data);
};
