// kelvara: build, inspect and check project files from the command line.
// Exit codes: 0 success, 1 a check failed or the command line is wrong, 2 a bad or unreadable file.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include "Samples.h"
#include "ScheduleReport.h"
#include "Walk.h"
#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/document/CProjectDocument.h"
#include "kelvara/document/Schema.h"
#include "kelvara/platform/CFile.h"
#include "kelvara/scheduling/ScheduleNetwork.h"

namespace {

constexpr int kBadFile = 2;

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<std::uint8_t> readFile(const std::string& path) {
    CFile file(path.c_str(), CFile::modeRead);
    CArchive reader(&file, CArchive::load);
    return std::vector<std::uint8_t>(reader.data(), reader.data() + reader.size());
}

struct Row {
    std::string kind;
    int count;
    std::size_t bytes;
    double storeMs, loadMs;
    bool equal;
};

// Stores one record holder, loads it into a fresh one, and compares.
template <class T>
Row measure(const std::string& kind, T& original, int count) {
    auto start = Clock::now();
    CKelvaraArchive out;
    original.Serialize(out);
    const std::vector<std::uint8_t> bytes = out.takeBuffer();
    const double storeMs = millisecondsSince(start);
    T loaded;
    start = Clock::now();
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    loaded.Serialize(in);
    const double loadMs = millisecondsSince(start);
    return {kind, count, bytes.size(), storeMs, loadMs, loaded == original && in.remaining() == 0};
}

void printTable(const std::vector<Row>& rows) {
    std::printf("%s\n", fmt::format("{:<22} {:>9} {:>12} {:>10} {:>10}  {}", "kind", "count", "bytes", "store ms", "load ms", "round trip").c_str());
    for (const Row& r : rows)
        std::printf("%s\n", fmt::format("{:<22} {:>9} {:>12} {:>10.3f} {:>10.3f}  {}", r.kind, r.count, r.bytes, r.storeMs,
                                        r.loadMs, r.equal ? "equal" : "DIFFERENT")
                                .c_str());
}

// Entities of the 3D model (subdivision parts among them) and their geometry by primitive kind.
void printModelCounts(CProjectDocument& project) {
    long long entities = 0, parts = 0, withGeometry = 0;
    long long kinds[IGeometryArray::kKindCount] = {};
    std::vector<std::pair<const IEntity3D*, bool>> pending;
    const CEntity3DArray& top = project.getEntity3DRoot().getArray();
    for (int i = 0; i < top.GetSize(); ++i) pending.push_back({&top.getConstReference(i), false});
    while (!pending.empty()) {
        const auto [entity, part] = pending.back();
        pending.pop_back();
        ++entities;
        if (part) ++parts;
        if (const IGeometryArray* g = entity->getEffectiveGeometries()) {
            ++withGeometry;
#define KELVARA_COUNT_KIND(n, Thing, Plural) kinds[n] += g->get##Plural().GetSize();
            KELVARA_GEOMETRY_KINDS(KELVARA_COUNT_KIND)
#undef KELVARA_COUNT_KIND
        }
        for (const bool parts_ : {false, true}) {
            const IEntity3DArrayHandle list = parts_ ? entity->getSubdivisionParts() : entity->getSubEntities();
            for (int i = 0; i < list.GetSize(); ++i) pending.push_back({list[i].get(), parts_});
        }
    }
    std::printf("%s\n", fmt::format("  3D entities {} ({} subdivision parts, {} with geometry)", entities, parts, withGeometry).c_str());
#define KELVARA_PRINT_KIND(n, Thing, Plural) \
    if (kinds[n] > 0) std::printf("%s\n", fmt::format("    {:<18} {:>9}", #Plural, kinds[n]).c_str());
    KELVARA_GEOMETRY_KINDS(KELVARA_PRINT_KIND)
#undef KELVARA_PRINT_KIND
}

// The schedule's nested content: every task of the trees with its links, assignments and costs,
// the companies' resources (sub-resources included) with their rates, and the baseline records.
void printScheduleCounts(CProjectDocument& project) {
    const ScheduleCounts counted = countSchedule(project);
    long long resources = 0, rates = 0;
    std::vector<const IResource*> pendingResources;
    const CCompanyArray& companies = project.getCompanyRoot().getArray();
    for (int c = 0; c < companies.GetSize(); ++c) {
        const IResourceArrayHandle owned = companies.getConstReference(c).getResources();
        for (int i = 0; i < owned.GetSize(); ++i) pendingResources.push_back(owned[i].get());
    }
    while (!pendingResources.empty()) {
        const IResource* resource = pendingResources.back();
        pendingResources.pop_back();
        ++resources;
        rates += resource->numberOfResourceRates();
        const IResourceArrayHandle subResources = resource->getSubResources();
        for (int i = 0; i < subResources.GetSize(); ++i) pendingResources.push_back(subResources[i].get());
    }
    long long baselineRecords = 0;
    const CProjectBaselineArray& baselines = project.getProjectBaselineRoot().getArray();
    for (int i = 0; i < baselines.GetSize(); ++i) baselineRecords += baselines.getConstReference(i).getBaselinedTasks().GetSize();
    std::printf("%s\n", fmt::format("  tasks {} ({} summary tasks), {} links, {} resource and {} group assignments, {} costs",
                                    counted.tasks, counted.summaries, counted.links, counted.assignments,
                                    counted.groupAssignments, counted.costs)
                            .c_str());
    std::printf("%s\n", fmt::format("  resources {} with {} rates; {} baseline records", resources, rates, baselineRecords).c_str());
}

int demo(const std::string& path, int scale, int entities) {
    std::vector<Row> rows;
    CLinkArray links = buildSampleLinks(1000 * scale);
    rows.push_back(measure("Link (array)", links, links.GetSize()));

    CProjectDocument project;
    const BuildingElements made = buildSampleProject(project, SampleSize{scale, 0, entities, true});
    if (entities > 0) {
        std::printf("%s\n", fmt::format("generated {} 3D entities holding {} vertices", made.entityCount, made.vertexCount).c_str());
    }
#define KELVARA_DEMO_ROW(Thing, Identifier, Iteration, Role, Folder) \
    KELVARA_IF_ROOT_##Role(rows.push_back(measure(#Thing, project.get##Thing##Root(), project.get##Thing##Root().getArray().GetSize()));)
    KELVARA_KINDS(KELVARA_DEMO_ROW)
#undef KELVARA_DEMO_ROW

    auto start = Clock::now();
    const std::vector<std::uint8_t> file = project.save();
    const double storeMs = millisecondsSince(start);
    start = Clock::now();
    CProjectDocument loaded;
    loaded.load(file.data(), file.size());
    const double loadMs = millisecondsSince(start);
    int total = 0;
    for (const auto& c : project.counts()) total += c.count;
    rows.push_back({"project file", total, file.size(), storeMs, loadMs, loaded == project});
    if (!path.empty()) project.saveFile(path);
    printTable(rows);
    for (const Row& r : rows)
        if (!r.equal) {
            std::fprintf(stderr, "kelvara: demo: %s did not survive the round trip\n", r.kind.c_str());
            return 1;
        }
    if (!path.empty()) std::printf("saved %s\n", path.c_str());
    return 0;
}

int info(const std::string& path) {
    const std::vector<std::uint8_t> bytes = readFile(path);
    const auto header = CProjectDocument::readHeader(bytes.data(), bytes.size());
    CProjectDocument project;
    project.load(bytes.data(), bytes.size());
    std::printf("%s\n", fmt::format("{}: project file, format {}, file version {}, {} bytes, checksum {:016x}", path,
                                    header.formatVersion, header.fileVersion, bytes.size(), header.checksum)
                            .c_str());
    for (const auto& c : project.counts()) std::printf("%s\n", fmt::format("  {:<20} {:>9}", c.kind, c.count).c_str());
    printScheduleCounts(project);
    printModelCounts(project);
    return 0;
}

int verify(const std::string& path) {
    const std::vector<std::uint8_t> bytes = readFile(path);
    CProjectDocument project;
    project.load(bytes.data(), bytes.size());
    CProjectDocument copy(project);
    if (!(copy == project)) {
        std::fprintf(stderr, "kelvara: %s: a copy of the project differs from it\n", path.c_str());
        return 1;
    }
    const std::vector<std::uint8_t> again = project.save();
    if (again != bytes) {
        std::size_t at = 0;
        while (at < again.size() && at < bytes.size() && again[at] == bytes[at]) ++at;
        std::fprintf(stderr, "kelvara: %s: saving the loaded project gives different bytes from offset %zu\n", path.c_str(), at);
        return 1;
    }
    std::printf("%s: ok (%zu bytes, loads, copies and saves back identically)\n", path.c_str(), bytes.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"kelvara: build, inspect and check project files"};
    app.set_version_flag("--version", std::string("kelvara ") + KELVARA_VERSION);
    app.require_subcommand(1);

    std::string demoFile;
    int scale = 1;
    int entities = 0;
    auto* demoCommand = app.add_subcommand("demo", "build a sample project, store it, load it back and compare");
    demoCommand->add_option("FILE", demoFile, "also save the sample project here");
    demoCommand->add_option("--scale", scale, "multiply the sample's element counts")->check(CLI::Range(1, 1000));
    demoCommand->add_option("--entities", entities, "build the sample building with about this many entities")
        ->check(CLI::Range(1, 20'000'000));

    std::string file;
    WalkOptions walkOptions;
    auto* walkCommand = app.add_subcommand("walk", "print the record tree of an archive or project file");
    walkCommand->add_option("FILE", file, "the file")->required();
    walkCommand->add_flag("--all", walkOptions.all, "print every record, not just the first few of a run");
    auto* infoCommand = app.add_subcommand("info", "print a project file's header and per-root counts");
    infoCommand->add_option("FILE", file, "the project file")->required();
    auto* verifyCommand = app.add_subcommand("verify", "load, check and save back a project file, comparing bytes");
    verifyCommand->add_option("FILE", file, "the project file")->required();
    auto* scheduleCommand =
        app.add_subcommand("schedule", "schedule a project file and print its critical path, finish and task dates");
    scheduleCommand->add_option("FILE", file, "the project file")->required();
    auto* schemaCommand = app.add_subcommand("schema", "print every record kind's stored fields and every enumeration");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 1;
    }

    const std::string subject = demoCommand->parsed() ? std::string("demo") : file;
    try {
        if (demoCommand->parsed()) return demo(demoFile, scale, entities);
        if (walkCommand->parsed()) {
            walkArchive(readFile(file), walkOptions, stdout);
            return 0;
        }
        if (infoCommand->parsed()) return info(file);
        if (verifyCommand->parsed()) return verify(file);
        if (scheduleCommand->parsed()) {
            const std::vector<std::uint8_t> bytes = readFile(file);
            CProjectDocument project;
            project.load(bytes.data(), bytes.size());
            printSchedule(project, stdout);
            return 0;
        }
        if (schemaCommand->parsed()) {
            std::fputs(kelvara::describeSchema().c_str(), stdout);
            return 0;
        }
    } catch (const CArchiveException& e) {
        std::fprintf(stderr, "kelvara: %s: %s\n", subject.c_str(), e.what());
        return kBadFile;
    } catch (const CFileException& e) {
        std::fprintf(stderr, "kelvara: %s: %s\n", subject.c_str(), e.what());
        return kBadFile;
    } catch (const CScheduleCycleError& e) {
        std::fprintf(stderr, "kelvara: %s: cannot schedule: %s\n", subject.c_str(), e.what());
        return 1;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "kelvara: %s: out of memory\n", subject.c_str());
        return kBadFile;
    }
    return 1;
}
