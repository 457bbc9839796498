// unpack_bench.exe BUNDLE [ROUNDS]: the median time of the loader's checksum
// pass (CheckPayload) and of decoding every file (UnpackPayload into a sink
// that keeps nothing), with the speeds in MiB per second.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "setuppack/FileSource.h"

namespace {

class NoSink : public UnpackSink {
public:
    bool Begin(const PackedFile&) override { return true; }
    bool Write(const void*, size_t) override { return true; }
    bool End() override { return true; }
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: unpack_bench BUNDLE [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::vector<double> checks, decodes;
    uint64_t payloadBytes = 0, unpackedBytes = 0;
    for (int round = 0; round < rounds; ++round) {
        FileSource source(argv[1]);
        LARGE_INTEGER start, checked, unpacked;
        QueryPerformanceCounter(&start);
        const Checked<CheckedPayload> payload = CheckPayload(source, [](uint64_t) {});
        QueryPerformanceCounter(&checked);
        if (!payload) {
            std::printf("unpack_bench: %s\n", PayloadProblemText(payload.Problem));
            return 1;
        }
        NoSink sink;
        if (UnpackPayload(source, payload.Value, sink, [](uint64_t) {}) != UnpackOutcome::Unpacked) {
            std::printf("unpack_bench: the files do not unpack\n");
            return 1;
        }
        QueryPerformanceCounter(&unpacked);
        checks.push_back(Seconds(start, checked));
        decodes.push_back(Seconds(checked, unpacked));
        const PayloadHeader& header = payload.Value.Header;
        payloadBytes = header.PayloadSize;
        unpackedBytes = header.LzmaUnpackedSize + header.StoredSize;
    }
    const double check = Median(checks), decode = Median(decodes), mib = 1024.0 * 1024.0;
    std::printf("unpack payload=%llu unpacked=%llu check=%.3f s (%.0f MiB/s of payload) "
                "unpack=%.3f s (%.0f MiB/s of files) rounds=%d\n",
                static_cast<unsigned long long>(payloadBytes), static_cast<unsigned long long>(unpackedBytes), check,
                static_cast<double>(payloadBytes) / mib / check, decode,
                static_cast<double>(unpackedBytes) / mib / decode, rounds);
    return 0;
}
