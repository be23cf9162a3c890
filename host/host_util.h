// Small pieces shared by the parts of the ormyx command: exit codes, usage and
// host error messages, reading whole files and splitting them into lines.
#pragma once
#include <string>
#include <vector>

namespace ormyx::host {

constexpr int EXIT_RUN_ERROR = 1;
constexpr int EXIT_USAGE = 2;

// The text of an errno value.
std::string fn_Errno_Text(int e);
// A name as shown in a message: very long names are cut in the middle.
std::string fn_Shown(const std::string& name);
// Prints "ormyx: message" and the hint to --help; returns EXIT_USAGE.
int fn_Usage_Error(const std::string& message);
// The whole contents of a file ("" when it cannot be read).
std::string fn_Read_File(const std::string& path);
// True when the file could be read (its text in text).
bool fn_Read_File_If(const std::string& path, std::string& text);
// Lines of a text, trailing blanks, tabs and carriage returns removed.
std::vector<std::string> fn_Lines(const std::string& text);
std::string fn_Left_Trimmed(const std::string& s);
// Writes a file whole; false on any failure.
bool fn_Write_Text_File(const std::string& path, const std::string& text);

}  // namespace ormyx::host
