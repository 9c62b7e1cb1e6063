// Waiting while the window stays alive: the application keeps handling its events meanwhile.
#pragma once

// Returns after about Ms milliseconds, having processed every event that arrived meanwhile
// (so handlers may run inside the wait).
void WaitProcessingEvents(int Ms);
