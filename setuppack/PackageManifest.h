// The three files of a package manager's multi-file manifest (schema 1.10.0)
// for a bundle: version, installer and default locale.
#pragma once
#include <string>
#include <vector>

struct ManifestFacts {
    std::string Identifier;   // Publisher.Name
    std::string Version;      // SetAppVersion's
    std::string Publisher;    // SetDeveloperName's
    std::string AppName;      // SetAppName's
    std::string ProductCode;  // the uninstall entry's key name below the Uninstall key
    std::string Architecture; // x86 or x64
    std::string Url;          // where the bundle is published; empty: not known yet
    std::string Sha256;       // of the bundle, 64 hexadecimal digits
};

struct ManifestFile {
    std::string Name; // Identifier.yaml, Identifier.installer.yaml, Identifier.locale.en-US.yaml
    std::string Text;
};

// Why the identifier cannot name a package; empty when it can: two to eight
// parts joined by dots, each 1 to 32 characters, none of them a blank or
// one of \ / : * ? " < > | or a control character.
std::string IdentifierProblem(const std::string& identifier);

// The same facts always give the same bytes.
std::vector<ManifestFile> ComposeManifest(const ManifestFacts& facts);
