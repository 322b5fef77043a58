#pragma once
// The program's work folder on the desktop: see app/WorkFolder.h.

// Changes the current folder to the folder the program works in: the
// current one when it holds "RAver.sim", else the user's copy of the shipped
// folder that was installed beside the program (share/tabulon), made on the
// first start. Call before the frame is first shown, which takes the current
// folder as progFolder.
void enterWorkFolder();
