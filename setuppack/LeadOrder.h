// The order of a bundle's files: what setup.exe needs to start comes first
// (the loader unpacks it before starting setup.exe), the rest after it in
// name order, which is the order a copy run's wildcards usually take.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "setuppack/PayloadWriter.h"

// Files of the medium's top folder up to this size join the lead: the
// script, its texts and pictures. Larger ones are product files.
constexpr uint64_t kLargestLeadFile = 1 << 20;

// True for setup.exe, whatever its size, and every other file of the top
// folder up to kLargestLeadFile.
bool BelongsToLead(const std::string& entryPath, uint64_t size);

// Moves the lead to the front of files (sorted by name), keeping the order
// within each part; returns how many files the lead holds. sizeOf gives a
// file's size from its host path.
size_t PutLeadFirst(std::vector<PackSource>& files, const std::function<uint64_t(const std::string&)>& sizeOf);
