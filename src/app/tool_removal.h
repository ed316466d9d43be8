#pragma once
// Delete in a shared library: the tool goes to the desktop trash, from where any file manager
// restores it; a volume without a trash deletes for good, and the question says so first.

#include <functional>
#include <string>

#include "app/file_utilities.h"

// Moves a file into the desktop trash; false when it could not.
using TrashMove = std::function<bool(const std::string& path)>;

// Asks and removes `path`. Where its volume has a trash: the usual delete question
// (GENERAL_DELETE_FILE), then into the trash. Where it has none, or the move fails: the question
// that it cannot go to the trash, then deleted for good after a Yes. A file already gone after
// the question is AlreadyGone; nothing is removed without a Yes, nor when `confirm` (asked
// after the Yes: the file may have changed while the question was open) says no. A deletion
// that fails is announced, naming the file.
DeleteOutcome RemoveFileAsked(const std::string& path, const TrashMove& move_to_trash,
                              const std::function<bool()>& confirm = {});

// A file that goes with a removed tool (its Fedrix file): into the trash when its volume has one,
// else deleted; nothing is asked. True when nothing is left at `path`.
bool RemoveCompanionFile(const std::string& path, const TrashMove& move_to_trash);
