// What one file entry means for the copy run: go on with the next entry or
// stop the whole run.
#pragma once

enum class RunFlow { GoOn, Stop };
