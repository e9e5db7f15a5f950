#include "system_command.h"

bool IsAboutCommand(unsigned commandId)
{
    return (commandId & 0xFFF0u) == kAboutCommandId;
}
