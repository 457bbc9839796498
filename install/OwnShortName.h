// Whether a file name is its own short (8.3) name, so that asking the file
// system for the short form would only give it back.
#pragma once
#include <string>

// 1 to 8 characters, optionally a dot and 1 to 3 more, made of upper-case
// letters, digits and the punctuation short names allow. Lower-case names do
// not count: FAT gives them an upper-case short name of their own. Bytes
// above 0x7F do not count either, their case depends on the code page.
bool IsOwnShortName(const std::string& name);
