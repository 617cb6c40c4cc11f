// The number filter of edit boxes, as plain logic: which typed character
// reaches the box. No Qt here.
#pragma once

// What a typed character becomes while the filter is on: the character
// itself (digits, '+', '-', 'E', 'e', the control characters copy, backspace,
// paste, cut and undo), the decimal separator (for ',' and '.': either key
// types the separator), or 0 when it is discarded (everything else: other
// letters, blanks, characters beyond ASCII).
char32_t FilterTypedCharacter(char32_t typed, char separator);
