// vmouse.exe: the virtual mouse, or, with --event/--unplug/--plug/--quit, a command for the
// running one (exit code 0 when it took the command, 1 when none runs, 2 for a bad command line,
// 3 when the running one did not take it).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "DebugLog.h"
#include "PipeServer.h"
#include "Transcript.h"
#include "VirtualMouseWindow.h"
#include "VmouseCommandLine.h"

namespace {

constexpr DWORD kRemoteTimeoutMs = 10000;

int SendToRunningMouse(const RemoteCommand& command)
{
    HWND running = FindWindowA(kVirtualMouseClass, kVirtualMouseTitle);
    if (!running) return 1;
    COPYDATASTRUCT data{kRemoteCommandTag, sizeof command, const_cast<RemoteCommand*>(&command)};
    DWORD_PTR taken = 0;
    if (!SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                             kRemoteTimeoutMs, &taken))
        return 3;
    return taken == TRUE ? 0 : 3;
}

int RunMouse(const VmouseOptions& options)
{
    if (FindWindowA(kVirtualMouseClass, kVirtualMouseTitle)) {
        std::fputs("vmouse: a virtual mouse runs already\n", stderr);
        return 1;
    }
    const auto started = std::chrono::steady_clock::now();
    Transcript transcript;
    if (!options.TranscriptPath.empty() && !transcript.Open(options.TranscriptPath)) return 2;

    HWND window = nullptr;
    PipeServer* pipe = nullptr;  // set before any link can run: the mouse reports only from the window
    VirtualMouseDevice mouse(!options.StartUnplugged,
                             {[&](const std::string& body) {
                                  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                      std::chrono::steady_clock::now() - started);
                                  transcript.Write(static_cast<uint64_t>(ms.count()), body);
                              },
                              [&](const MouseEvent& e) { pipe->Send(MakeEventMessage(e.Kind, e.Value)); },
                              [&](bool plugged) { pipe->Send(MakePlugMessage(plugged)); }});
    PipeServer server(
        [&](PipeMessageType type, const uint8_t* data, size_t size) {
            const bool taken = type == PipeMessageType::Command ? mouse.TakeCommand(data, size)
                                                                : mouse.TakeChunk(data, size);
            if (window) PostMessageA(window, kMessageRefresh, 0, 0);
            return taken;
        },
        [&] { return mouse.Plugged(); });
    pipe = &server;

    VirtualMouseWindow view(mouse);
    if (!view.Create()) return 2;
    window = view.Handle();
    if (!server.Start()) return 1;
    mouse.Announce();

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    std::vector<std::string> args(__argv + 1, __argv + __argc);
    std::string error;
    const auto options = ParseVmouseCommandLine(args, error);
    if (!options) {
        std::fprintf(stderr, "vmouse: %s\n", error.c_str());
        DebugLog("vmouse: %s\n", error.c_str());
        return 2;
    }
    return options->Remote ? SendToRunningMouse(options->Command) : RunMouse(*options);
}
