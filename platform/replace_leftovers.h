#pragma once

// The one name a replace gives its new file, for the moment between the link that names it
// and the rename that puts it in the old file's place, and the removal of those names that a
// process killed in that moment left behind. Not for use outside platform/.
//
// The name is ".<file name>.<16 hex digits>.zandrel-new", the digits random: a form no person
// or other program chooses. A replace holds the new file's lock from before it has the name
// until after the rename, so an unlocked file of that form is no running replace's.

#include <string>

namespace zandrel {

// A fresh temporary name, in that form, for a new content of the file `name`.
std::string TemporaryNameFor(const std::string& name);

// Removes from `folder` (not below it) every file that it can prove a killed replace of this
// user left there, whatever its mode: a name of that form, a regular file of this user with
// no other name, and nobody holding its lock. Anything else, whatever its name or age, stays.
// Failures are ignored: a file that stays is removed by a later replace.
void RemoveLeftovers(const std::string& folder);

} // namespace zandrel
