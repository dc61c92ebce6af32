// The Option process: one per logon; its whole life is one modal run of the main window.
#pragma once

#include "App.h"
#include "UniqueResource.h"

class COptionApp : public App {
protected:
    // Returns false after the main window closed (or at once for a second Option), so that
    // no message loop runs after it.
    bool InitInstance() override;
    int ExitInstance() override;

private:
    UniqueHandle m_instanceMutex;
};
