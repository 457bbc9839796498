#include "setuppack/PackRun.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "bundle/EntryPath.h"
#include "setuppack/FileSource.h"
#include "setuppack/ManifestRun.h"
#include "setuppack/LeadOrder.h"
#include "setuppack/MediumTree.h"
#include "text/HostPath.h"
#include "bundle/PeLayout.h"

namespace fs = std::filesystem;

namespace {

const char* ArchName(PackArch arch) { return arch == PackArch::X86 ? "32-bit" : "64-bit"; }

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Why a program cannot go into a bundle of this architecture; empty when it can.
std::string ProgramProblem(const std::string& name, const std::string& bytes, PackArch arch, bool isLoader) {
    const std::optional<PeLayout> layout = ReadPeLayout(bytes.substr(0, kPeHeaderBytes), bytes.size());
    if (!layout)
        return name + " is not a Windows program";
    if (layout->Machine != (arch == PackArch::X86 ? PeMachine::I386 : PeMachine::Amd64))
        return name + " is not a " + std::string(ArchName(arch)) + " program (see --arch)";
    if (isLoader && (layout->ImageEnd != bytes.size() || layout->CertificateOffset != 0))
        return name + " carries data after its image (a signature or symbols): use the stripped, unsigned loader";
    return std::string();
}

bool HasTopLevelFile(const std::vector<PackSource>& files, const std::string& name) {
    for (const PackSource& file : files)
        if (FoldedEntryPath(file.EntryPath) == FoldedEntryPath(name))
            return true;
    return false;
}

PackExit Unpackable(std::ostream& err, const std::string& why) {
    err << "setuppack: " << why << "; nothing written\n";
    return PackExit::Unpackable;
}

PackExit CheckScript(const PackOptions& options, const PackPlatformParts& parts, std::ostream& out,
                     std::ostream& err) {
    std::vector<std::string> checkArgs{"--medium", options.Medium, options.Medium + "/SetupScript.ini"};
    if (options.WarningsAreErrors)
        checkArgs.insert(checkArgs.begin(), "--werror");
    switch (RunCheck(checkArgs, parts.Check, out, err)) {
    case CheckExit::Clean: return PackExit::Written;
    case CheckExit::Errors:
        err << "setuppack: the script check found " << (options.WarningsAreErrors ? "errors or warnings" : "errors")
            << "; nothing written\n";
        return PackExit::ScriptErrors;
    case CheckExit::Unreadable: break;
    }
    return Unpackable(err, "the medium's SetupScript.ini cannot be read");
}

} // namespace

PackExit RunPack(const std::vector<std::string>& args, const PackPlatformParts& parts, std::ostream& out,
                 std::ostream& err) {
    const ParsedPackCommandLine parsed = ParsePackCommandLine(args);
    if (parsed.Help) {
        out << kPackUsage;
        return PackExit::Written;
    }
    if (!parsed.Valid) {
        err << "setuppack: " << parsed.Error << "\n" << kPackUsage;
        return PackExit::Unpackable;
    }
    const PackOptions& options = parsed.Options;
    const PackArch arch = options.ArchGiven ? options.Arch : parts.DefaultArch;
    const PackExit checked = CheckScript(options, parts, out, err);
    if (checked != PackExit::Written)
        return checked;
    std::optional<ManifestFacts> manifest;
    if (!options.ManifestDir.empty()) {
        ScriptManifestFacts read = ReadManifestFacts(options, parts.Check, arch);
        if (!read.Facts) {
            err << "setuppack: " << read.Refusal << "; nothing written\n";
            return PackExit::ScriptErrors;
        }
        manifest = read.Facts;
    }
    MediumListing medium = ListMedium(options.Medium);
    if (!medium.Error.empty())
        return Unpackable(err, medium.Error);
    const std::string programs = options.Programs.empty() ? parts.DefaultPrograms(arch) : options.Programs;
    for (const char* name : {"setup.exe", "TAUninstall.exe"})
        if (!HasTopLevelFile(medium.Files, name))
            medium.Files.push_back(PackSource{name, HostText(HostPath(programs) / name)});
    SortSources(medium.Files);
    for (const PackSource& file : medium.Files)
        if (FoldedEntryPath(file.EntryPath) == "SETUP.EXE") {
            const std::optional<std::string> setup = ReadWholeFile(file.HostPath);
            if (!setup)
                return Unpackable(err, "cannot read '" + file.HostPath + "' (see --programs)");
            const std::string problem = ProgramProblem("setup.exe", *setup, arch, false);
            if (!problem.empty())
                return Unpackable(err, problem);
        }
    const size_t lead = PutLeadFirst(medium.Files, [](const std::string& path) {
        std::error_code unknown;
        const uintmax_t size = fs::file_size(HostPath(path), unknown);
        return unknown ? UINT64_MAX : static_cast<uint64_t>(size);
    });
    const std::string loaderPath = HostText(HostPath(programs) / kLoaderName);
    const std::optional<std::string> loader = ReadWholeFile(loaderPath);
    if (!loader)
        return Unpackable(err, "cannot read '" + loaderPath + "' (see --programs)");
    const std::string loaderProblem = ProgramProblem(kLoaderName, *loader, arch, true);
    if (!loaderProblem.empty())
        return Unpackable(err, loaderProblem);

    // Written under a temporary name, checked as the loader will check it,
    // then renamed: the output appears only when it is complete.
    const std::string part = options.Output + ".part";
    PayloadWriteResult written;
    {
        std::ofstream output(part, std::ios::binary | std::ios::trunc);
        if (!output)
            return Unpackable(err, "cannot write '" + part + "'");
        output.write(loader->data(), static_cast<std::streamsize>(loader->size()));
        written = WritePayload(medium.Files, options.Level, static_cast<uint32_t>(lead), output,
                               options.Output + ".lzma.part");
        output.close();
        if (written.Written && !output)
            written = PayloadWriteResult{false, "cannot write '" + part + "'", {}};
    }
    std::error_code ignored;
    if (!written.Written) {
        fs::remove(HostPath(part), ignored);
        return Unpackable(err, written.Error);
    }
    PayloadProblem readBack;
    {
        // Closed before the rename: Windows renames no open file.
        FileSource source(part);
        readBack = CheckPayload(source, [](uint64_t) {}).Problem;
    }
    if (readBack != PayloadProblem::None) {
        fs::remove(HostPath(part), ignored);
        return Unpackable(err, std::string("the written bundle does not read back: ") + PayloadProblemText(readBack));
    }
    std::error_code renamed;
    fs::rename(HostPath(part), HostPath(options.Output), renamed);
    if (renamed) {
        fs::remove(HostPath(part), ignored);
        return Unpackable(err, "cannot write '" + options.Output + "': " + renamed.message());
    }
    const PackFigures& figures = written.Figures;
    out << "setuppack: wrote " << options.Output << " (" << ArchName(arch) << "): " << medium.Files.size()
        << " files (" << figures.CompressedFiles << " compressed, " << figures.StoredFiles << " stored), "
        << figures.InputBytes << " bytes packed into " << figures.PayloadBytes << ", loader " << loader->size()
        << ", total " << loader->size() + figures.PayloadBytes << " bytes\n";
    if (!manifest)
        return PackExit::Written;
    const std::optional<std::string> bundle = ReadWholeFile(options.Output);
    const std::string problem =
        bundle ? WriteManifest(options, *manifest, *bundle) : "cannot read '" + options.Output + "' back";
    if (!problem.empty()) {
        err << "setuppack: the bundle is written, its manifest not: " << problem << "\n";
        return PackExit::Unpackable;
    }
    out << "setuppack: wrote the manifest of " << options.ManifestId << " " << manifest->Version << " into "
        << options.ManifestDir << (options.ManifestUrl.empty() ? " (no --url: add InstallerUrl before publishing)" : "")
        << "\n";
    return PackExit::Written;
}
