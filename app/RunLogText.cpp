#include "app/RunLogText.h"

#include <cstdio>

#include "install/InstallResult.h"

namespace {
std::string Digits(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof(text), "%0*d", width, value);
    return text;
}

std::string Date(const LogTime& time) {
    return Digits(time.Year, 4) + "-" + Digits(time.Month, 2) + "-" + Digits(time.Day, 2);
}

struct BitName {
    uint32_t Bit;
    const char* Name;
};

constexpr BitName kBitNames[] = {
    {VerInstallBit::TempFile, "VIF_TEMPFILE"},
    {VerInstallBit::Mismatch, "VIF_MISMATCH"},
    {VerInstallBit::SrcOld, "VIF_SRCOLD"},
    {VerInstallBit::DiffLang, "VIF_DIFFLANG"},
    {VerInstallBit::DiffCodePage, "VIF_DIFFCODEPG"},
    {VerInstallBit::DiffType, "VIF_DIFFTYPE"},
    {VerInstallBit::WriteProt, "VIF_WRITEPROT"},
    {VerInstallBit::FileInUse, "VIF_FILEINUSE"},
    {VerInstallBit::OutOfSpace, "VIF_OUTOFSPACE"},
    {VerInstallBit::AccessViolation, "VIF_ACCESSVIOLATION"},
    {VerInstallBit::SharingViolation, "VIF_SHARINGVIOLATION"},
    {VerInstallBit::CannotCreate, "VIF_CANNOTCREATE"},
    {VerInstallBit::CannotDelete, "VIF_CANNOTDELETE"},
    {VerInstallBit::CannotRename, "VIF_CANNOTRENAME"},
    {VerInstallBit::CannotDeleteCur, "VIF_CANNOTDELETECUR"},
    {VerInstallBit::OutOfMemory, "VIF_OUTOFMEMORY"},
    {VerInstallBit::CannotReadSrc, "VIF_CANNOTREADSRC"},
    {VerInstallBit::CannotReadDst, "VIF_CANNOTREADDST"},
    {VerInstallBit::BuffTooSmall, "VIF_BUFFTOOSMALL"},
    {VerInstallBit::CannotLoadLz32, "VIF_CANNOTLOADLZ32"},
    {VerInstallBit::CannotLoadCabinet, "VIF_CANNOTLOADCABINET"},
};
} // namespace

const char ProgramVersionText[] = "1.0.0.0";

std::string RunLogLine(const LogTime& time, const std::string& event) {
    std::string line = Date(time) + " " + Digits(time.Hour, 2) + ":" + Digits(time.Minute, 2) + ":" +
                       Digits(time.Second, 2) + "." + Digits(time.Millisecond, 3) + "  ";
    for (size_t i = 0; i < event.size(); ++i) {
        if (event[i] == '\r' || event[i] == '\n') {
            if (event[i] == '\r' && i + 1 < event.size() && event[i + 1] == '\n')
                ++i;
            line += " / ";
        } else {
            line += event[i];
        }
    }
    return line + "\r\n";
}

const char* InstallVerdictText(InstallVerdict verdict) {
    switch (verdict) {
    case InstallVerdict::Installed: return "installed";
    case InstallVerdict::StopRun: return "the run stops";
    case InstallVerdict::Retry: return "tried again";
    case InstallVerdict::Skip: return "left alone, the run goes on";
    case InstallVerdict::Force: return "installed anyway (forced)";
    case InstallVerdict::InUse: return "the file in place is in use";
    }
    return "unknown";
}

std::string DefaultRunLogName(const LogTime& date, int number) {
    return "Tarvane Setup Log " + Date(date) + " #" + Digits(number, 3) + ".txt";
}

std::string VerInstallBitNames(uint32_t bits) {
    if (bits == 0)
        return "0";
    std::string names;
    for (const BitName& row : kBitNames) {
        if (!(bits & row.Bit))
            continue;
        names += (names.empty() ? "" : "|") + std::string(row.Name);
        bits &= ~row.Bit;
    }
    if (bits) {
        char hex[16];
        std::snprintf(hex, sizeof(hex), "0x%X", static_cast<unsigned>(bits));
        names += (names.empty() ? "" : "|") + std::string(hex);
    }
    return names;
}
