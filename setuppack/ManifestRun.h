// setuppack --manifest: the facts the script gives, read before the bundle
// is written, and the three files written beside it once it is complete.
#pragma once
#include <optional>
#include <string>

#include "checker/CheckRun.h"
#include "setuppack/PackOptions.h"
#include "setuppack/PackageManifest.h"

struct ScriptManifestFacts {
    std::optional<ManifestFacts> Facts; // without Sha256
    std::string Refusal;                // why the script cannot give them, naming the statement
};

// Runs the script's statements as the checker does and takes the name, the
// version and the publisher they leave.
ScriptManifestFacts ReadManifestFacts(const PackOptions& options, const CheckPlatformParts& parts, PackArch arch);

// Writes the files into options.ManifestDir (made when missing); the error,
// or empty when all three were written.
std::string WriteManifest(const PackOptions& options, ManifestFacts facts, const std::string& bundleBytes);
