// What a notice says: Monitor writes the texts into config.ini and names the kind of notice in
// its message; the notice program reads them back when the message arrives.
#pragma once

#include <string>

struct NoticeContent {
    std::string Caption;  // small accent line above the text; may be empty
    std::string Text;

    // The whole notice in one line (the overlay's window text).
    std::string Line() const { return Caption.empty() ? Text : Caption + ": " + Text; }
};

// kind: 40 profile (profile index in lParam's high word), 50 text, 70 macro. folder: the
// program folder with its trailing separator. An unknown kind gives an empty notice.
NoticeContent ReadNotice(const std::string& folder, unsigned kind, long lParam);
