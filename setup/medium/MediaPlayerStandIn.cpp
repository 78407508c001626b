// MPLAYER2.EXE: stand-in for the system vendor's media player that the
// install manifest copies into the installation directory.  Nothing in the
// suite starts it; it shows no window and ends at once.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
