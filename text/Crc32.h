// CRC-32 (the polynomial of zip and PNG) of a byte string.
#pragma once
#include <cstdint>
#include <string_view>

uint32_t Crc32(std::string_view bytes);
