// The problem records: everything the input file describes.
#pragma once
#include "input/rec_loading.h"
#include "input/rec_options.h"
#include "input/rec_sections.h"
#include "input/rec_soil.h"

namespace ormyx {

struct Problem_Records {
  Problem_Title title;
  Problem_Options opt;
  Section_Records sec;
  Soil_Records soil;
  Loading_Records load;
};

}  // namespace ormyx
