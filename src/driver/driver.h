// The run driver: the dialogue, the job identity and the order of every stage of a run.
#pragma once

#include "state/state.h"

// Runs one whole job on the state's streams; returns the exit status.
int runKelvanor(RunState& s);

void askQuestions(RunState& s);
// Job identifier, output folder and the path of every report document.
void makeJobIdentity(RunState& s);
