// What RemoveFolderTree could not delete (a file still in use) is deleted at
// the next restart.
#pragma once
#include <string>

// Schedules every file and folder still below folder, and the folder itself,
// for deletion at the next restart (contents before their folder).
void ScheduleRemovalAtRestart(const std::string& folder);
