#pragma once
// The simultaneous-equation drill's model. (Filled in by the drill's own work;
// the shell relies on the functions declared here.)

// Sets up the current question of the current unit on the worksheet; with
// reset, first unit 1 and question 1 of every unit. Returns whether a question
// is now on the worksheet.
bool startQuestion(bool reset);
