#pragma once

// Window-menu command that opens the About box. Windows keeps the low four bits of a window-menu
// command for itself, so they are masked off before comparing.
inline constexpr unsigned kAboutCommandId = 0x0010;
// Window-menu command that opens the workbench; outside 16 to 31, which open the About box.
inline constexpr unsigned kWorkbenchCommandId = 0x0020;

bool IsAboutCommand(unsigned commandId);
bool IsWorkbenchCommand(unsigned commandId);
