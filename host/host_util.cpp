#include "host/host_util.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace ormyx::host {

std::string fn_Errno_Text(int e) { return std::strerror(e); }

std::string fn_Shown(const std::string& name) {
  if (name.size() <= 300) return name;
  return name.substr(0, 150) + "..." + name.substr(name.size() - 50);
}

int fn_Usage_Error(const std::string& message) {
  std::fprintf(stderr, "ormyx: %s\nTry 'ormyx --help' for more information.\n", message.c_str());
  return EXIT_USAGE;
}

bool fn_Read_File_If(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  if (in.bad()) return false;
  text = s.str();
  return true;
}

std::string fn_Read_File(const std::string& path) {
  std::string text;
  fn_Read_File_If(path, text);
  return text;
}

std::vector<std::string> fn_Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
      line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string fn_Left_Trimmed(const std::string& s) {
  std::size_t i = s.find_first_not_of(" \t");
  return i == std::string::npos ? std::string() : s.substr(i);
}

bool fn_Write_Text_File(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return !out.fail();
}

}  // namespace ormyx::host
