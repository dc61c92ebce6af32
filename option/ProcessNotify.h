// Option's messages to the other programs of the suite, which are found by title each time.
#pragma once

// Sends 1224 with the apply mode to Monitor and waits for its handler; false without Monitor.
bool NotifyMonitor(int mode);
// Posts 1224 to each applet window that exists.
void NotifyApplets();
