// vmouse.exe's command line, and the commands one vmouse hands a running one (WM_COPYDATA).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// dwData of the WM_COPYDATA that carries a RemoteCommand.
constexpr uint32_t kRemoteCommandTag = 0x4B56564D;

enum class RemoteCommandCode : uint32_t { Event = 1, Unplug = 2, Plug = 3, Quit = 4 };

struct RemoteCommand {
    uint32_t Code;   // RemoteCommandCode
    uint16_t Kind;   // Event only
    uint16_t Value;  // Event only
};

static_assert(sizeof(RemoteCommand) == 8);
static_assert(offsetof(RemoteCommand, Code) == 0);
static_assert(offsetof(RemoteCommand, Kind) == 4);
static_assert(offsetof(RemoteCommand, Value) == 6);

// A command that came with WM_COPYDATA; nothing for a wrong size or code.
std::optional<RemoteCommand> DecodeRemoteCommand(const void* data, size_t size);

struct VmouseOptions {
    bool Remote = false;          // hand Command to the running vmouse and exit
    RemoteCommand Command{};
    std::string TranscriptPath;   // empty: no transcript
    bool StartUnplugged = false;
};

// Arguments after the program name. Nothing, with a reason in `error`, for a command line that
// means nothing: unknown options, missing or bad values, two remote commands, or a remote
// command mixed with options of a new instance. KIND and VALUE are 1-4 hex digits.
std::optional<VmouseOptions> ParseVmouseCommandLine(const std::vector<std::string>& args, std::string& error);
