// The fixed names by which Monitor, Option and the companion programs find each other, and the
// messages they exchange.
#pragma once

constexpr char kMappingName[] = "Trevon_470-2280_Gaming_Mouse_Normal_Share_Data";
constexpr char kBlockMutexName[] = "Trevon_470-2280_Gaming_Mouse_Normal_Mutex_Object";
constexpr char kMonitorMutexName[] = "Trevon_470-2280_Gaming_Mouse_Normal_Monitor_Mutex";
constexpr char kOptionMutexName[] = "Trevon_470-2280_Gaming_Mouse_Normal_configure";

constexpr char kMonitorTitle[] = "Mouse Kestrin Vardo Monitor";
constexpr char kOptionTitle[] = "Mouse Kestrin Vardo Option";
constexpr char kNoticeTitle[] = "Trevon_470-2280_Gaming_Mouse_Normal_OSD";
constexpr const char* kAppletTitles[] = {
    "Trevon_470-2280 Gaming Mouse Pop3",
    "Trevon_470-2280 Gaming Mouse CPU RAM OSD",
    "Trevon_470-2280 Gaming Mouse OSD SKYPE",
    "Trevon_470-2280 Gaming Mouse OSD MSN",
};

enum ProcessMessage : unsigned {
    kMsgApplyAllSetting = 1224,   // Option -> Monitor (sent): the edited block is in the mapping
    kMsgReloadSetting = 1226,     // -> Monitor: take the mapping into the private block
    kMsgReloadPointer = 1227,     // -> Monitor: the same, then apply the pointer settings
    kMsgFirmwareChanged = 1254,   // -> Option: reload the firmware version and the block
    kMsgProfileChanged = 1255,    // Monitor -> Option: the current profile changed
    kMsgApplyFinished = 1256,     // Monitor -> Option: the apply is done
    kMsgDeviceValues = 1257,      // Monitor -> Option: DPI, sensitivity or rate changed on the mouse
    kMsgIgnored1274 = 1274,
    kMsgNotice = 1324,            // Monitor -> notice program
    kMsgDeviceData = 1325,        // device library -> Monitor: an event of the mouse
    kMsgDeviceChange = 1326,      // device library -> Monitor: arrival (1) or removal (0);
                                  // Monitor -> notice program after a hand-over
    kMsgTrayNotify = 1036,
    kMsgPlayMacro = 1648,         // thread message to the macro player
    kMsgApplyRequest = 1649,      // thread message to the apply thread
};

constexpr unsigned kCmdOpenOption = 6001;
constexpr unsigned kCmdExit = 6002;

// The text notice another program may send Monitor with WM_COPYDATA.
constexpr unsigned kCopyDataNoticeSize = 151;

// Notice kinds (wParam of kMsgNotice).
constexpr unsigned kNoticeProfile = 40;
constexpr unsigned kNoticeText = 50;
constexpr unsigned kNoticeMacro = 70;
