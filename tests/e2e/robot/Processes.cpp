#include "tests/e2e/robot/Processes.h"

#include <tlhelp32.h>

#include "windows/Handles_win.h"

DWORD FindProcessByName(const std::string& name) {
    FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
        if (lstrcmpiA(entry.szExeFile, name.c_str()) == 0)
            return entry.th32ProcessID;
    }
    return 0;
}

bool ProcessIsRunning(DWORD processId) {
    KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    return process && WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}
