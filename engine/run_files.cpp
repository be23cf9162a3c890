#include "engine/run_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "engine/run_state.h"

namespace ormyx {

namespace {
Output_Channel& chan(Channel ch) { return RS().files.out[ch]; }
}  // namespace

void Put(Channel ch, std::string_view text) { chan(ch).line.append(text); }

void Tab_To(Channel ch, int column) {
  std::string& l = chan(ch).line;
  std::size_t want = column > 1 ? std::size_t(column - 1) : 0;
  if (l.size() < want) l.append(want - l.size(), ' ');
  else l.resize(want);
}

void End_Line(Channel ch) {
  Output_Channel& c = chan(ch);
  if (c.fp) {
    c.line.push_back('\n');
    if (std::fwrite(c.line.data(), 1, c.line.size(), c.fp) != c.line.size()) c.failed = true;
  }
  c.line.clear();
}

void Write_Line(Channel ch, std::string_view text) {
  Put(ch, text);
  End_Line(ch);
}

void Blank_Lines(Channel ch, int n) {
  for (int i = 0; i < n; ++i) Write_Line(ch);
}

void Write_Line_Both(std::string_view text) {
  Write_Line(CH_MESSAGE, text);
  Write_Line(CH_REPORT, text);
}

bool Open_Output(Channel ch, const std::string& name) {
  Close_Output(ch);
  Output_Channel& c = chan(ch);
  c.fp = std::fopen(name.c_str(), "w");
  c.line.clear();
  c.failed = false;
  return c.fp != nullptr;
}

void Close_Output(Channel ch) {
  Output_Channel& c = chan(ch);
  if (!c.line.empty()) End_Line(ch);
  if (c.fp && c.fp != stderr && c.fp != stdout && std::fclose(c.fp) != 0) c.failed = true;
  c.fp = nullptr;
}

bool Flush_Output(Channel ch) {
  Output_Channel& c = chan(ch);
  if (!c.line.empty()) End_Line(ch);
  if (c.fp && std::fflush(c.fp) != 0) c.failed = true;
  return !c.failed;
}

bool fn_Output_Failed(Channel ch) { return chan(ch).failed; }

bool Is_Open(Channel ch) { return chan(ch).fp != nullptr; }

bool Rewind_Output(Channel ch) {
  Output_Channel& c = chan(ch);
  c.line.clear();
  if (!c.fp) return false;
  std::fflush(c.fp);
  return std::freopen(nullptr, "w", c.fp) != nullptr || (c.fp = nullptr, false);
}

void Close_All_Run_Files() {
  Run_Files& f = RS().files;
  if (f.input) std::fclose(f.input);
  f.input = nullptr;
  for (int ch = 0; ch < CHANNEL_COUNT; ++ch)
    if (ch != CH_CONSOLE) Close_Output(Channel(ch));
}

std::string Trimmed(std::string_view field) {
  std::size_t n = field.size();
  while (n > 0 && (field[n - 1] == ' ' || field[n - 1] == '\0')) --n;
  return std::string(field.substr(0, n));
}

bool Set_MEI_Report_File_Name(int k, std::string_view name) {
  Run_Files& f = RS().files;
  if (!f.MEI_Name_Start.in_range(k)) return false;
  if (name.size() > std::size_t(NAME_LENGTH)) name = name.substr(0, std::size_t(NAME_LENGTH));
  std::size_t n = name.size();
  while (n > 0 && (name[n - 1] == ' ' || name[n - 1] == '\0')) --n;
  const int32_t len = int32_t(n);
  // A name that fits the place of the one it replaces stays there; any other
  // goes after the names stored so far.
  int32_t start = f.MEI_Name_Start[k];
  if (len > f.MEI_Name_Length[k]) {
    if (len > f.MEI_Name_Chars.size - f.i_MEI_Name_Chars_Used) return false;
    start = f.i_MEI_Name_Chars_Used;
    f.i_MEI_Name_Chars_Used += len;
  }
  if (len > 0) std::memcpy(&f.MEI_Name_Chars[start], name.data(), n);
  f.MEI_Name_Start[k] = start;
  f.MEI_Name_Length[k] = len;
  return true;
}

std::string fn_MEI_Report_File_Name(int k) {
  const Run_Files& f = RS().files;
  if (!f.MEI_Name_Start.in_range(k) || f.MEI_Name_Length[k] <= 0) return std::string();
  const int32_t start = f.MEI_Name_Start[k], len = f.MEI_Name_Length[k];
  // Both ends of the name lie in the store (range-checked).
  const char* first = &f.MEI_Name_Chars[start];
  (void)f.MEI_Name_Chars[start + len - 1];
  return std::string(first, std::size_t(len));
}

bool fn_Write_File_In_Place(const std::string& path, std::string_view text, int mode) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, mode);
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::pwrite(fd, text.data() + done, text.size() - done, off_t(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += std::size_t(n);
  }
  bool ok = done == text.size();
  if (::lseek(fd, 0, SEEK_END) != off_t(done) && ::ftruncate(fd, off_t(done)) != 0) ok = false;
  if (done == 0 && ::futimens(fd, nullptr) != 0) ok = false;  // nothing written still renews the time
  return ::close(fd) == 0 && ok;
}

}  // namespace ormyx
