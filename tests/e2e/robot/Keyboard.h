// Keyboard input through SendInput, as if typed by the user: it goes to the
// foreground window of the Wine desktop.
#pragma once
#include <string>

// Presses the named keys one after the other. A name is a single character,
// a key name (ENTER, ESC, TAB, SPACE, LEFT, RIGHT, UP, DOWN, HOME, END,
// PAGEUP, PAGEDOWN, BACKSPACE, DELETE, F1..F12) or a chord joined by '+' (ALT+N, SHIFT+TAB).
// Returns false with the offending name in error.
bool PressKeys(const std::string& name, std::string& error);

// Types the text character by character (ANSI bytes of the code page).
void TypeText(const std::string& text);
