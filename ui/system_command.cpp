#include "system_command.h"

bool IsAboutCommand(unsigned commandId)
{
    return (commandId & 0xFFF0u) == kAboutCommandId;
}

bool IsFitWindowCommand(unsigned commandId)
{
    return (commandId & 0xFFF0u) == kFitWindowCommandId;
}
