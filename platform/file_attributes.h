#pragma once

// What a file carries besides its content, carried over from an old file to the new one that
// replaces it. Not for use outside platform/.

namespace zandrel {

// Gives the open file `to` what the open file `from` carries besides its permission bits:
// - its owner and group where this process may give them: the owner only as root, the group
//   where the user belongs to it (otherwise `to` keeps the user's own);
// - every extended attribute, the POSIX ACLs among them, and no other: one the folder's
//   default ACL gave `to` is removed again. Those of the "security." namespace belong to the
//   security module, which labels the new file itself; they are copied where it allows.
// Returns 0, or the errno of what could not be kept (the owner and group excepted).
int CopyFileAttributes(int from, int to);

// Gives the open file `to` the permission bits of `from`, the set-id bits among them. Called
// last, once `to` has its owner, its ACL and its content: a change of owner and a write by
// anyone but root clear the set-id bits, and the group bits of a file with an ACL are the
// ACL's mask. Returns 0 or the errno.
int CopyFileMode(int from, int to);

} // namespace zandrel
