#pragma once
// Processes by their id, as the system numbers them.

// This process.
int CurrentProcessId();

// Whether a process with this id runs now (also one of another user). Ids are reused, so a
// true answer alone does not say which program it is.
bool ProcessRuns(int processId);
