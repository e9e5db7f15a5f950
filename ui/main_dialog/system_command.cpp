#include "main_dialog/system_command.h"

bool IsAboutCommand(unsigned commandId)
{
    return (commandId & 0xFFF0u) == kAboutCommandId;
}

bool IsWorkbenchCommand(unsigned commandId)
{
    return (commandId & 0xFFF0u) == kWorkbenchCommandId;
}
