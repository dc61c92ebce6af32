// The application object: one per program. Run initialises the picture decoder's COM
// apartment, calls InitInstance, runs the message loop when it returns true (a dialog
// program returns false after its modal run) and ends with ExitInstance.
#pragma once

class App {
public:
    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    int Run();
    static App* Current();

protected:
    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return m_exitCode; }
    void SetExitCode(int code) { m_exitCode = code; }

private:
    int m_exitCode = 0;
};
