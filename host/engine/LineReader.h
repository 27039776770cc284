#pragma once
// The engine's reader of the input lines that follow a command.

// Reads the next input line into buffer (blank padded to length). Sets *endFlag
// to 1 once the line read is the last one of the input (or there was none).
void SSREDC(int channel, char* buffer, int length, int* endFlag, void* workArea);
// Lets the engine interrupt the procedure (throws VexaGoToCaller when it does).
void ATNJMP(void* workArea);
// Prepares the echo of the current line.
void SETQCLLCT(int mode);
// Echoes the current line to the listing.
void PRCARD(void* workArea);
// Skips the rest of the current input line.
void SSKIPC(void* workArea);
// Marks an error position in the given line; the next error names it.
void MCPSTN(const char* line, int column);
