#pragma once

// The program reads data/ from its working folder, which holds what the user saves. Where the
// platform keeps programs apart from their users' files, this makes the user's own folder the
// working folder; call it once, before anything reads or writes data/.
namespace userfolder {

// On Windows %LOCALAPPDATA%\Tivora, filled from the data/ installed beside the program without
// overwriting what the user saved. Elsewhere Tivora stays in the folder it was started in: on
// Linux the launcher has made that the user's own.
void enter();

} // namespace userfolder
