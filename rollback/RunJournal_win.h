// The journal of the running installation. The copy page opens it before
// its first change and commits it once the copy run and the uninstall entry
// are complete; a run that stops is undone from it instead. Every hook is
// called just before its change and writes (and flushes) the record first;
// with no journal open (a unit test calling the engine) hooks do nothing.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "rollback/UndoRun_win.h"

// False when no journal could be made: the run then goes on unprotected.
bool OpenRunJournal();
bool RunJournalOpen();

// How the coming change treats an existing file: the version-aware installer
// replaces it with a new file (a hard link then keeps the old bytes), other
// writers change it in place (a copy keeps them).
enum class FileChange { Replaced, WrittenInPlace };

void JournalFile(const std::string& path, FileChange change);
// The records of files the version-aware installer is about to replace or
// create, all written with one flush: the copy run's records of a section,
// before its first file. A later JournalFile of one of them does nothing.
void JournalFiles(const std::vector<std::string>& paths);
void JournalNewDirectory(const std::string& path);
void JournalRegistryValue(HKEY root, const std::string& key, const std::string& name);
void JournalRegistryKey(HKEY root, const std::string& key);
void JournalLibraryRegistration(const std::string& path, bool existedBefore);
// A delayed move (to empty: a deletion) about to be asked of NT, and a line
// about to be put in [rename] of wininit.ini: the undo withdraws each alone,
// so that what others add to either meanwhile stays.
void JournalRestartMove(const std::string& from, const std::string& to);
void JournalWininitEntry(const std::string& wininit, const std::string& key, const std::string& value);
// Before the version-aware installer copies into folder: a kill during the
// copy leaves a temporary file there that recovery must find.
void JournalInstallerFolder(const std::string& folder);

// The run completed: it is no longer open, and its journal and backups go
// on a thread of their own (the next pages need not wait for them).
void CommitRunJournal();
// Waits until a committed run's folder is gone: before setup.exe ends.
void FinishCommittedRemoval();
// The run stopped: every change is undone and the journal goes.
UndoReport UndoOpenRun();
