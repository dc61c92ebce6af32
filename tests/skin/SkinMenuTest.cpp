#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "CSkinMenu.h"
#include "Gdi.h"
#include "MenuFrameHook.h"
#include "SkinTestSupport.h"

namespace {

// What a timer saw while a popup menu was open on the screen.
struct OpenMenu {
    bool seen = false;
    bool framed = false;
    COLORREF corner = 0, inner = 0;
    int heights[4] = {};
};
OpenMenu g_open;
HMENU g_menu = nullptr;

HWND MenuWindowOfThisThread()
{
    for (HWND w = FindWindowA("#32768", nullptr); w; w = FindWindowExA(nullptr, w, "#32768", nullptr))
        if (IsWindowVisible(w) && GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) return w;
    return nullptr;
}

int g_ticks = 0;

// Polls until the menu is on the screen, looks at it and closes it.
void CALLBACK LookAtTheMenu(HWND owner, UINT, UINT_PTR id, DWORD)
{
    HWND menu = MenuWindowOfThisThread();
    if (!menu && ++g_ticks < 40) return;
    KillTimer(owner, id);
    if (menu) {
        g_open.seen = true;
        g_open.framed = IsMenuFramed(menu);
        RedrawWindow(menu, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        RECT r{};
        GetWindowRect(menu, &r);
        // The display shows what was drawn a moment later: read again until it does.
        const WindowDc screen(nullptr);
        for (int i = 0; i < 20; ++i, Sleep(25)) {
            g_open.corner = GetPixel(screen.get(), r.left, r.top);
            g_open.inner = GetPixel(screen.get(), r.left + 1, r.top + 1);
            if (g_open.corner == RGB(250, 158, 57) && g_open.inner == RGB(0, 0, 0)) break;
        }
        for (int i = 0; i < 4; ++i) {
            RECT item{};
            if (GetMenuItemRect(owner, g_menu, i, &item)) g_open.heights[i] = item.bottom - item.top;
        }
    }
    EndMenu();
}

OpenMenu ShowMenu(HWND owner, CSkinMenu& menu)
{
    g_open = {};
    g_menu = menu.Handle();
    g_ticks = 0;
    SetTimer(owner, 1, 50, &LookAtTheMenu);
    RECT r{};
    GetWindowRect(owner, &r);
    TrackPopupMenu(menu.Handle(), TPM_RETURNCMD | TPM_LEFTALIGN, r.left + 20, r.top + 20, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    Pump(20);
    return g_open;
}

void Fill(CSkinMenu& menu, CSkinMenu& sub)
{
    sub.AppendItem(2001, "Inside", nullptr, -1);
    menu.AppendItem(1001, "Left click", nullptr, 1);
    menu.AppendItem(0x800, "", nullptr, -1);
    menu.AppendItem(1, "", nullptr, -1);
    menu.AppendItem(0, "More", &sub, -1);
}

TEST(SkinMenu, ItemsAreMeasuredAndTheFrameDrawnOnThisThreadsMenus)
{
    NoticeHost& host = NoticeHost::Shared();
    InstallMenuFrameHook();
    CSkinMenu menu(nullptr), sub(nullptr);
    Fill(menu, sub);
    const OpenMenu open = ShowMenu(host.Handle(), menu);
    RemoveMenuFrameHook();
    ASSERT_TRUE(open.seen);
    EXPECT_TRUE(open.framed);
    EXPECT_EQ(open.corner, RGB(250, 158, 57));
    EXPECT_EQ(open.inner, RGB(0, 0, 0));
    EXPECT_EQ(open.heights[0], 21);
    EXPECT_EQ(open.heights[1], 5);
    EXPECT_EQ(open.heights[2], 0);
    EXPECT_EQ(open.heights[3], 21);
}

TEST(SkinMenu, MenusOfAThreadWithoutTheHookAreNotFramed)
{
    InstallMenuFrameHook();  // on this thread only
    OpenMenu open;
    std::thread other([&] {
        Widget owner;
        owner.Create("KestrinVardo.OtherThread", "", WS_POPUP | WS_VISIBLE, 0, 600, 100, 100, 100);
        CSkinMenu menu(nullptr), sub(nullptr);
        Fill(menu, sub);
        open = ShowMenu(owner.Handle(), menu);
    });
    other.join();
    RemoveMenuFrameHook();
    ASSERT_TRUE(open.seen);
    EXPECT_FALSE(open.framed);
}

}  // namespace
