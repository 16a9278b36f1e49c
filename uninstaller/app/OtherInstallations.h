#pragma once
// What other installations own, learnt from their logs ("INSTALL.LOG") as the run meets them:
// in a folder of this installation or above one. Another installation's log says what is its:
// the files its file lines name, the folders it made, the folder that holds its log, and
// everything inside a folder it removes with its contents. A file named INSTALL.LOG that is no
// readable log gives its whole folder to its installation.
//
// Paths are the file system's names (EngineHost.h), full and in their long form.

#include <set>
#include <string>

#include "uninstaller/app/EngineHost.h"

class OtherInstallations {
public:
    // ownLog: this run's log in its long form ("" when none).
    OtherInstallations(EngineFiles& files, const std::string& ownLog);
    OtherInstallations(const OtherInstallations&) = delete;
    OtherInstallations& operator=(const OtherInstallations&) = delete;

    // Learns the log of folder and of every folder above it, once each.
    void LookAround(const std::string& folder);
    // folder holds another installation's log (learnt on the way).
    bool HoldsLog(const std::string& folder);
    // The entry at path belongs to another installation learnt so far.
    bool Owns(const std::string& path) const;

private:
    void Learn(const std::string& log);
    void AddFile(const std::string& path);
    void AddFolder(const std::string& path);
    void AddTree(const std::string& path);
    static std::string Key(const std::string& path);

    EngineFiles& files_;
    std::string ownLog_;
    // A name looked for and missing costs a search of its whole folder under Wine: each folder
    // is asked once.
    std::set<std::string> looked_;       // folders whose log was looked for
    std::set<std::string> logFolders_;   // those that hold another installation's log
    std::set<std::string> ownedFiles_;
    std::set<std::string> folders_;   // made by another installation, or holding its log
    std::set<std::string> trees_;     // removed with their contents by another installation
};
