#include "input/reader.h"
namespace ormyx {
void Read_Sections() {}
void Convert_US_Section_Units() {}
}  // namespace ormyx
