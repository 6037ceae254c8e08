// The twelve monthly means with an ETo column (.met, .mpn), through the monthly-mean and the
// monthly pan ETo, which write their tables from it.
#include "eto/mon_eto.h"
#include "eto/pan_eto.h"
#include "fuzz_support.h"
#include "session/reporter.h"
#include "session/session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  fuzz::ClearFolder();
  fuzz::WriteInput("STATN.met", fuzz::AsText(data, size));
  fuzz::WriteInput("STATN.mpn", fuzz::AsText(data, size));
  RecordingReporter reporter;
  Session session(fuzz::Folder(), reporter);
  RunParameters run;
  run.Station = "STATN";
  run.Latitude = "33.07";
  run.Elevation = "361";
  run.FetchVal = "100";
  fuzz::RefusalsAreFine([&] { MonETo(run, session); });
  fuzz::RefusalsAreFine([&] { PanETo(run, session); });
  return 0;
}
