#include "core/threads/thread_class.h"

char PositionLetter(ThreadPosition position)
{
    switch (position) {
    case ThreadPosition::e:
        return 'e';
    case ThreadPosition::f:
        return 'f';
    case ThreadPosition::g:
        return 'g';
    case ThreadPosition::h:
        return 'h';
    case ThreadPosition::G:
        return 'G';
    case ThreadPosition::H:
        break;
    }
    return 'H';
}

std::string ThreadClassName(const ThreadClass& threadClass)
{
    const char letter = PositionLetter(threadClass.position);
    std::string name {static_cast<char>('0' + threadClass.pitchGrade), letter};
    if (threadClass.crestGrade != threadClass.pitchGrade)
        name += {static_cast<char>('0' + threadClass.crestGrade), letter};
    return name;
}
