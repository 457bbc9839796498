#include <gtest/gtest.h>

#include "tests/native/UninstallLogHeader.h"
#include "uninstall/UninstallLog.h"

namespace {
const std::string& Header = kUninstallLogHeader;

// Collects the bytes; fails every write from a given write on (0 = never),
// as a disk that fills up does.
class StringSink : public ByteSink {
public:
    StringSink(std::string& bytes, int failFromWrite = 0, int* writes = nullptr)
        : bytes_(bytes), failFrom_(failFromWrite), writes_(writes) {}
    bool Write(const char* data, size_t count) override {
        ++count_;
        if (writes_)
            *writes_ = count_;
        if (failFrom_ != 0 && count_ >= failFrom_)
            return false;
        bytes_.append(data, count);
        return true;
    }

private:
    std::string& bytes_;
    int failFrom_;
    int count_ = 0;
    int* writes_;
};

class FailingFlushSink : public ByteSink {
public:
    bool Write(const char*, size_t) override { return true; }
    bool Flush() override { return false; }
};
}

TEST(UninstallLog, ExampleInstallationBytes) {
    std::string bytes;
    UninstallLog log;
    log.Open(std::make_unique<StringSink>(bytes), nullptr);
    log.WriteHeader({12, 6, 2026});
    log.WriteNonSharedFile("C:\\PROGRA~1\\DEMO", "DEMO.EXE");
    log.WriteShortcut("C:\\WINDOWS\\Start Menu\\Programs\\Demo\\Demo.lnk");
    log.WriteSharedFile("C:\\WINDOWS\\SYSTEM", "DemoLib.dll");
    log.WriteSelfRegistration(true);
    log.WriteSharedFile("C:\\WINDOWS\\SYSTEM", "Plain.dll");
    log.WriteSelfRegistration(false);
    log.WriteSharedFile("C:\\WINDOWS\\SYSTEM", "data.bin");
    log.WriteRegistrySection("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo");
    log.Close();
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(bytes, Header +
                         "DATE:12/6/2026\r\n"
                         "[FILES]\r\n"
                         "C:\\PROGRA~1\\DEMO\\DEMO.EXE\r\nNONSHARED\r\n"
                         "C:\\WINDOWS\\Start Menu\\Programs\\Demo\\Demo.lnk\r\nNONSHARED\r\n"
                         "C:\\WINDOWS\\SYSTEM\\DemoLib.dll\r\nSHARED\r\nAUTOREGSVR\r\n"
                         "C:\\WINDOWS\\SYSTEM\\Plain.dll\r\nSHARED\r\nNOAUTOREGSVR\r\n"
                         "C:\\WINDOWS\\SYSTEM\\data.bin\r\nSHARED\r\n"
                         "[REGISTRY]\r\n"
                         "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo\r\n");
}

TEST(UninstallLog, EmptyInstallationAndDateWithoutLeadingZeros) {
    std::string bytes;
    UninstallLog log;
    log.Open(std::make_unique<StringSink>(bytes), nullptr);
    log.WriteHeader({1, 2, 2003});
    log.WriteRegistrySection("K");
    EXPECT_EQ(bytes, Header + "DATE:1/2/2003\r\n[FILES]\r\n[REGISTRY]\r\nK\r\n");
}

TEST(UninstallLog, NeverOpenedDropsEverythingQuietly) {
    UninstallLog log;
    log.WriteHeader({1, 1, 2000});
    log.WriteShortcut("x");
    log.Close();
    EXPECT_FALSE(log.HasWriteFailed());
}

TEST(UninstallLog, FirstFailedWriteIsReportedOnceAndWritingGoesOn) {
    std::string bytes;
    int writes = 0;
    int reports = 0;
    UninstallLog log;
    log.Open(std::make_unique<StringSink>(bytes, 2, &writes), [&reports] { ++reports; });
    log.WriteHeader({5, 17, 2024});
    EXPECT_EQ(reports, 0);
    log.WriteNonSharedFile("C:\\A", "B.EXE");
    EXPECT_EQ(reports, 1);
    log.WriteShortcut("C:\\G\\B.lnk");
    log.WriteRegistrySection("K");
    log.Close();
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(writes, 4);
    EXPECT_TRUE(log.HasWriteFailed());
    // Each record went out in one write, so what reached the sink ends after a whole record.
    EXPECT_EQ(bytes, Header + "DATE:5/17/2024\r\n[FILES]\r\n");
}

TEST(UninstallLog, FailedFlushAtCloseIsReported) {
    int reports = 0;
    UninstallLog log;
    log.Open(std::make_unique<FailingFlushSink>(), [&reports] { ++reports; });
    log.WriteHeader({1, 1, 2000});
    log.Close();
    EXPECT_EQ(reports, 1);
}
