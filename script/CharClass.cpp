#include "script/CharClass.h"

bool IsAlphaNumeric1252(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true;
    switch (c) {
    case 0x83: // f with hook
    case 0x88: // modifier letter circumflex
    case 0x8A: case 0x8C: case 0x8E: // S caron, OE, Z caron
    case 0x9A: case 0x9C: case 0x9E: case 0x9F: // s caron, oe, z caron, Y diaeresis
    case 0xAA: case 0xB5: case 0xBA: // feminine ordinal, micro sign, masculine ordinal
    case 0xB2: case 0xB3: case 0xB9: // superscript two, three, one count as digits
        return true;
    default:
        break;
    }
    // Latin-1 letters, without the multiplication and division signs.
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}
