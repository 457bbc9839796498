// The checker's three ways of telling its findings.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "checker/Diagnostic.h"

enum class OutputFormat { Text, Json, Sarif };

// Compiler style, "file:line:column: severity: message [code]", then a count.
void WriteText(std::ostream& out, const std::string& file, const std::vector<Diagnostic>& diagnostics);
// One JSON object per line.
void WriteJsonLines(std::ostream& out, const std::string& file, const std::vector<Diagnostic>& diagnostics);
// A SARIF 2.1.0 log with one run.
void WriteSarif(std::ostream& out, const std::string& file, const std::vector<Diagnostic>& diagnostics);

// A JSON string literal of UTF-8 text, or else of Windows-1252 bytes.
std::string JsonString(const std::string& text);
