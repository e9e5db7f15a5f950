#pragma once

// Start-up of the desktop program, whose one window is the main dialog.
class CQuorlanApp
{
public:
    // Runs the main dialog modally. Always false: once the dialog is closed, the program ends
    // rather than going on to an event loop of its own.
    bool InitInstance();

    // The program's exit status: 0, or for `--report` the report's.
    int ExitCode() const { return m_exitCode; }

private:
    int m_exitCode = 0;
};
