// Where a program file's image ends and its certificate table lies, read
// from its PE headers alone: the bundle's payload starts where the last
// section ends, and must end before the certificate table that a signature
// adds. Nothing is found by scanning.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

enum class PeMachine { I386, Amd64, Other };

struct PeLayout {
    PeMachine Machine = PeMachine::Other;
    uint64_t ImageEnd = 0;        // file offset after the last section's raw data
    uint64_t CertificateOffset = 0; // 0: unsigned
    uint64_t CertificateSize = 0;
};

// How many bytes of the file's start ReadPeLayout needs at most.
constexpr size_t kPeHeaderBytes = 4096;

// Reads the headers from the file's first bytes (up to kPeHeaderBytes);
// nullopt when they are not a PE image, or when a section or the certificate
// table lies outside a file of fileSize bytes.
std::optional<PeLayout> ReadPeLayout(const std::string& head, uint64_t fileSize);

// The bytes a payload may use: from the image's end to the certificate
// table (when there is one) or the file's end; nullopt when the certificate
// table starts inside the image.
struct PayloadRoom {
    uint64_t Begin = 0;
    uint64_t End = 0;
};
std::optional<PayloadRoom> PayloadRoomOf(const PeLayout& layout, uint64_t fileSize);
