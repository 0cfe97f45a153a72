// Telling the user, once, that the preferences file held something Dunok
// could not read, and what it did about it.
#pragma once

namespace dunok {

struct AlertSpec;
struct PreferenceTrouble;

// The alert for what a start found: the file started anew (and where the
// user's file was kept), or the settings read as their defaults.
AlertSpec preferenceTroubleAlert(const PreferenceTrouble& trouble);

}  // namespace dunok
