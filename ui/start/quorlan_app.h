#pragma once

class CQuorlanDlg;
class Workbench;
struct StartOptions;

// `quorlan --workbench`: the workbench alone, in the language asked for (else the one
// last chosen, else the system's), deleted when closed.
Workbench* OpenWorkbench(const StartOptions& options);

// Takes the dialog's open workbench out of the dialog, so that it stays when the dialog
// goes; nothing if none is open.
void KeepWorkbenchOpen(CQuorlanDlg& dlg);

// Start-up of the desktop program: the main dialog, or with --workbench the workbench
// alone. The program ends when its last window closes.
class CQuorlanApp
{
public:
    // Runs the main dialog modally, then, while a workbench is open, an event loop until
    // it closes. Always false: the program then ends.
    bool InitInstance();

    // The program's exit status: 0, or for `--report` the report's.
    int ExitCode() const { return m_exitCode; }

private:
    int m_exitCode = 0;
};
