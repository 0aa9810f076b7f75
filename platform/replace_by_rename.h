#pragma once

// Replacing a file's content by writing a new file beside it and renaming it over the old one.
// Not for use outside platform/.

#include "platform/file.h"

#include <string>
#include <string_view>

namespace zandrel {

struct RenameTarget {
    std::string path;     // the file to replace, its symbolic links followed
    std::string name;     // the name as built, for a failure to make the new file
    std::string fullPath; // the absolute path as built, for a failure to write it
    int old = -1;         // the old file, open and locked by the caller; -1 when there is none
};

// Puts `content` in the place of target.path. The promise: whatever fails, and wherever the
// process is killed, target.path names the old file unchanged or a complete new file holding
// `content`; on failure it is the old one.
// - The new file is made in target.path's folder, unnamed where the file system allows it,
//   so that a kill while it is written leaves nothing. Otherwise it is named from the start
//   in the form of replace_leftovers.h. Where the folder refuses new files, this fails first,
//   with the folder's cause.
// - It is made with the old file's permission bits and gets the old file's owner, group and
//   other attributes (CopyFileAttributes) before its content, its exact mode (CopyFileMode)
//   after it. It is synced to disk before it takes the old file's place, and the folder is
//   synced after, so that the new name survives a crash as the content does.
// - Where there is no old file, it takes the name by one link. Otherwise it gets the
//   temporary name right before the rename, the only moment it has one: a kill there leaves
//   that name, which RemoveLeftovers removes. Its lock is held from before it has any name
//   until after the rename, so that no other copy's RemoveLeftovers takes it.
// - A hard link of the old file keeps the old content.
FileError ReplaceByRename(const RenameTarget& target, std::string_view content);

} // namespace zandrel
