// Line-oriented writing of the run files. Each channel keeps a current line:
// Put appends text, Tab_To continues at a column (Tn), End_Line writes it.
// Writes to a channel that is not open are dropped.
#pragma once
#include <string>
#include <string_view>

#include "engine/run_control.h"

namespace ormyx {

void Put(Channel ch, std::string_view text);
void Tab_To(Channel ch, int column);             // Tn: continue at column n (1-based)
void End_Line(Channel ch);
void Write_Line(Channel ch, std::string_view text = {});  // Put + End_Line
void Blank_Lines(Channel ch, int n);
// The same text line to the run-message file and to the report, in that order.
void Write_Line_Both(std::string_view text = {});

// Open a channel's file for writing (created or replaced). False on failure.
bool Open_Output(Channel ch, const std::string& name);
// Close a channel's file; a failed close (data that could not be written)
// marks the channel as failed.
void Close_Output(Channel ch);
// Write out what the channel holds; false when any write to it has failed
// (a full disk, a device that refuses data).
bool Flush_Output(Channel ch);
bool fn_Output_Failed(Channel ch);
bool Is_Open(Channel ch);
// Rewind the report: discard what was written to it so far.
bool Rewind_Output(Channel ch);
// Close every run file (input and output channels).
void Close_All_Run_Files();

// A file name stored as a blank-padded field, with trailing blanks removed.
std::string Trimmed(std::string_view field);

// Store the name of moment-curvature file k (1..MAX_MEI_REPORT_FILES),
// trailing blanks removed and cut to NAME_LENGTH characters. False when k is
// out of range or the name store is full.
bool Set_MEI_Report_File_Name(int k, std::string_view name);
// The stored name of moment-curvature file k; empty when none was stored.
std::string fn_MEI_Report_File_Name(int k);

// Writes a whole file. An existing one is overwritten in place and then cut
// to the length written, rather than emptied first: emptying hands its blocks
// back to the file system, which on a disk mounted with discard waits for the
// device. Its modification time is always renewed. True when all was written.
bool fn_Write_File_In_Place(const std::string& path, std::string_view text, int mode = 0666);

}  // namespace ormyx
