#include "controls/EditFilter.h"

char32_t FilterTypedCharacter(char32_t typed, char separator)
{
    switch (typed) {
    case 3:   // copy
    case 8:   // backspace
    case 22:  // paste
    case 24:  // cut
    case 26:  // undo
    case U'+':
    case U'-':
    case U'E':
    case U'e':
        return typed;
    case U',':
    case U'.':
        return static_cast<unsigned char>(separator);
    default:
        return typed >= U'0' && typed <= U'9' ? typed : 0;
    }
}
