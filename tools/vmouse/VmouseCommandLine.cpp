#include "VmouseCommandLine.h"

#include <cstring>

namespace {

std::optional<uint16_t> ParseHexWord(const std::string& text)
{
    if (text.empty() || text.size() > 4) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        const char* digits = "0123456789ABCDEF";
        const char* at = std::strchr(digits, c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
        if (!at || !*at) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(at - digits);
    }
    return static_cast<uint16_t>(value);
}

}  // namespace

std::optional<RemoteCommand> DecodeRemoteCommand(const void* data, size_t size)
{
    if (!data || size != sizeof(RemoteCommand)) return std::nullopt;
    RemoteCommand command;
    std::memcpy(&command, data, sizeof command);
    if (command.Code < static_cast<uint32_t>(RemoteCommandCode::Event) ||
        command.Code > static_cast<uint32_t>(RemoteCommandCode::Quit))
        return std::nullopt;
    return command;
}

std::optional<VmouseOptions> ParseVmouseCommandLine(const std::vector<std::string>& args, std::string& error)
{
    VmouseOptions options;
    bool local = false;
    auto remote = [&](RemoteCommandCode code) {
        if (options.Remote) {
            error = "only one of --event, --unplug, --plug, --quit";
            return false;
        }
        options.Remote = true;
        options.Command.Code = static_cast<uint32_t>(code);
        return true;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--transcript") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = "--transcript needs a file";
                return std::nullopt;
            }
            options.TranscriptPath = args[++i];
            local = true;
        } else if (arg == "--unplugged") {
            options.StartUnplugged = local = true;
        } else if (arg == "--event") {
            if (!remote(RemoteCommandCode::Event)) return std::nullopt;
            const auto kind = i + 1 < args.size() ? ParseHexWord(args[i + 1]) : std::nullopt;
            const auto value = i + 2 < args.size() ? ParseHexWord(args[i + 2]) : std::nullopt;
            if (!kind || !value) {
                error = "--event needs KIND and VALUE, four hex digits each";
                return std::nullopt;
            }
            options.Command.Kind = *kind;
            options.Command.Value = *value;
            i += 2;
        } else if (arg == "--unplug" || arg == "--plug" || arg == "--quit") {
            const RemoteCommandCode code = arg == "--unplug" ? RemoteCommandCode::Unplug
                                           : arg == "--plug" ? RemoteCommandCode::Plug
                                                             : RemoteCommandCode::Quit;
            if (!remote(code)) return std::nullopt;
        } else {
            error = "unknown argument " + arg.substr(0, 80);
            return std::nullopt;
        }
    }
    if (options.Remote && local) {
        error = "a command for the running virtual mouse takes no other options";
        return std::nullopt;
    }
    return options;
}
