#include "App.h"

#include <windows.h>
#include <ole2.h>

#include "Guard.h"
#include "MessageLoop.h"

namespace {
App* g_current = nullptr;
}

App::App() { g_current = this; }
App::~App()
{
    if (g_current == this) g_current = nullptr;
}

App* App::Current() { return g_current; }

int App::Run()
{
    const bool ole = SUCCEEDED(OleInitialize(nullptr));
    const bool loop = Guarded("InitInstance", false, [&] { return InitInstance(); });
    if (loop) SetExitCode(RunMessageLoop());
    const int code = Guarded("ExitInstance", m_exitCode, [&] { return ExitInstance(); });
    if (ole) OleUninitialize();
    return code;
}
