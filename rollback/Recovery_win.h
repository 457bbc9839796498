// At the start of setup.exe and TAUninstall.exe: an installation run that
// never ended (killed, crashed, power cut) is undone before anything else.
#pragma once

void RecoverInterruptedRuns();
