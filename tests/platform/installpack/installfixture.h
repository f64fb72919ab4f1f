#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "installpack/installation.h"
#include "installpack/installdefinition.h"
#include "support/tempfolder.h"

// A small product in a temporary home: a main group (program, help file,
// text, uninstaller, a pack file) and a shared engine group, written to
// archives, with the per-user places of that home (desktop included).
class InstallFixture : public TempHomeTest {
protected:
    InstallFixture();
    ~InstallFixture() override;

    std::filesystem::path Archives() const { return home() / "archives"; }
    std::filesystem::path Desktop() const { return home() / "desk"; }
    std::filesystem::path Destination(const std::string& name = "Product V1.0") const;
    std::filesystem::path EngineFile() const;
    std::filesystem::path RecordsFile() const;
    installpack::InstallPlaces Places() const;

    // Writes the group archives from the current sources.
    void PackArchives() const;
    // Runs an installation of the groups; cancels when `cancelAtFile` files
    // have started.
    installpack::InstallOutcome Install(const std::filesystem::path& destination,
                                        int cancelAtFile = -1,
                                        std::set<std::string> groups = {"Main", "Engine"});

    // Every path below home (but the archives) with a digest of its content.
    std::map<std::string, std::string> Snapshot() const;

    installpack::InstallDefinition definition;
    std::filesystem::path sources;
    std::vector<std::string> started;  // the files the last run began to copy
};
