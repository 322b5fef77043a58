#pragma once
// The start-up order of the program's windows, and the program's one drill.

class Drill;

// The one drill, over the program-wide state (ProgramState.h). The worksheet,
// the drill panel and the print command are handed it when they are made.
Drill& programDrill();

// Creates every window once, in the program's start-up order: the frame's
// windows, then the hidden ones. Each window keeps its program-wide instance
// (frmMain, frmVersion, …) until the end. The frame's two children come when
// the frame is first shown.
void createWindows();
// The frame and the commands of every window; the program shows this first.
void createFrameWindows();
// The drill panel and the windows that are hidden at start-up (choice,
// editor, calculator, records, printing, …), in their order; does nothing once they exist or
// before the frame does. Every command that opens one of them calls it first.
void createHiddenWindows();
// Deletes the frame and with it every window created above (for tests).
void destroyWindows();
