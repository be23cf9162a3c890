#include "engine/units.h"

#include "engine/run_state.h"
#include "input/echo.h"
#include "input/reader.h"

namespace ormyx {

void Set_Unit_Labels(int iunits) {
  Unit_Labels& u = RS().labels;
  u.slash.set(std::string_view("/"));
  u.dash.set(std::string_view("-"));
  u.power.set(std::string_view("**"));
  u.two.set(std::string_view("2"));
  u.three.set(std::string_view("3"));
  u.four.set(std::string_view("4"));
  struct Row {
    const char *length, *fpl, *fpl3, *long_len, *short_len, *force, *moment, *uw, *fpl3b, *psf,
        *psi;
  };
  static const Row rows[3] = {
      {"in ", "lb/in", "pci  ", "ft", "in", "lbs", "in-lb   ", "pcf  ", "pci  ", "psf ", "psi "},
      {"m  ", "kN/m ", "kN/m3", "m ", "mm", "kN ", "kN-m    ", "kN/m3", "kN/m3", "kPa ", "kPa "},
      {"L  ", "F/L  ", "F/L3 ", "L ", "L ", "F  ", "F-L     ", "F/L3 ", "F/L3 ", "F/L2", "F/L2"}};
  if (iunits < 1 || iunits > 3) return;
  const Row& r = rows[iunits - 1];
  u.length.set(std::string_view(r.length));
  u.force_per_length.set(std::string_view(r.fpl));
  u.force_per_length3.set(std::string_view(r.fpl3));
  u.long_length.set(std::string_view(r.long_len));
  u.short_length.set(std::string_view(r.short_len));
  u.force.set(std::string_view(r.force));
  u.moment.set(std::string_view(r.moment));
  u.unit_weight.set(std::string_view(r.uw));
  u.force_per_length3b.set(std::string_view(r.fpl3b));
  u.stress_sq_ft.set(std::string_view(r.psf));
  u.stress_sq_in.set(std::string_view(r.psi));
}

void Convert_US_Input_Units() {
  Run_Files& f = RS().files;
  if (f.b_ConversionDone) return;
  if (f.b_ConversionPending && RS().prob.opt.IUNITS == US_UNITS) {
    Convert_US_Section_Units();
    Convert_US_Soil_Units();
    Convert_US_Loading_Units();
  }
  f.b_ConversionPending = false;
  f.b_ConversionDone = true;
}

void Make_Layers_Contiguous() { Close_Soil_Profile(); }

}  // namespace ormyx
