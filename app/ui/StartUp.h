#pragma once
// The start-up order of the program's windows.

// Creates every window once, in the program's start-up order. Each window
// keeps its program-wide instance (frmMain, frmVersion, …) until the end.
// The frame's two children come when the frame is first shown.
void createWindows();
// Deletes the frame and with it every window created above (for tests).
void destroyWindows();
