// The end of an interactive run that queued a replacement for the next
// restart: the user is told and may restart Windows at once.
#pragma once
#include <string>

// Asks only in the interactive run and only when a replacement is queued;
// the silent modes never restart (their exit code says 3010).
void OfferRestart(const std::string& appName);
