// A logout takes the X display away while Dunok is on its way out, or before
// it has even begun to act on the session's SIGTERM. Qt then ends the program
// with exit(1) from inside its event loop: the quit that was asked for would
// be reported to the session as a failure, with static destructors running on
// a half torn-down toolkit.
#pragma once

namespace dunok {

// From now until the application object is destroyed, an exit() while the X connection is
// broken and a quit was asked for (quitRequested(), or SIGTERM or SIGINT
// arrived) ends the program at once with status 0, saying so on the console;
// so does the X library's report of the broken connection as Qt closes it.
// Everything the user made is in the store already by then; an exit() with
// no quit asked stays Qt's failure. Nothing happens off X11.
void watchDisplayOnQuit();
// The user quit, and what quitting saves is saved.
void quitRequested();

}  // namespace dunok
