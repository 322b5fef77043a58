#pragma once
// The core's part of start-up, apart from any window: the program-wide state
// made ready, then the folders and the question file. The frame calls these
// in its order and draws what follows.

struct Paths;
struct QuestionBank;
struct EquationList;

// Empties the question text kept for going back, and sets up the engine's
// scratch row. Called once, before any window reads the state.
void setUpCore(QuestionBank& bank, EquationList& list);

// The program's folder and the record folder, then the question file of the
// program's folder, read and split. The record folder is known before the
// first question is set up, since a question that is already solved is
// recorded at once. Returns whether the units are ready for the drill; a
// question file that cannot be read or does not split has been reported.
bool openProgramFiles(Paths& paths, QuestionBank& bank);
