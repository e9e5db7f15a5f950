#pragma once

// Window-menu command that opens the About box. Windows keeps the low four bits of a window-menu
// command for itself, so they are masked off before comparing.
inline constexpr unsigned kAboutCommandId = 0x0010;

bool IsAboutCommand(unsigned commandId);
