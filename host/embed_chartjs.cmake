# Writes a C++ source holding the minified Chart.js file as a byte array, so
# that the report pages carry the charting library inline.
# Run as: cmake -DIN=chart.min.js -DOUT=chartjs_source.cpp -P embed_chartjs.cmake
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUT}.tmp"
  "// Generated from ${IN}; do not edit.\n"
  "#include <cstddef>\n"
  "namespace ormyx::host {\n"
  "extern const unsigned char CHART_JS_SOURCE[] = {\n${bytes}0};\n"
  "extern const std::size_t CHART_JS_SIZE = ${size};\n"
  "}  // namespace ormyx::host\n")
file(RENAME "${OUT}.tmp" "${OUT}")
