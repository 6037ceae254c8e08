#include "eto/rain_and_eto_rows.h"

#include "weatherio/data_lines.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/missing_value.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"

namespace kelvaro {

std::string RainAndEtoRow(const RainAndEvaporationDay& day, float eto) {
  return Printf(" %4d,%4d,%4d,%4d,%8.0f,%8.0f,%8.0f,%8.0f,%8.0f,%8.2f,%8.2f\n", day.year, day.month,
                day.day, day.doy, kMissing, kMissing, kMissing, kMissing, kMissing, day.pcp, eto);
}

void WriteRainAndEtoWork(LineReader& input, EvaporationColumn column, const std::string& head,
                         const std::function<float(const RainAndEvaporationDay&)>& eto_of,
                         const std::string& work_name, Session& session) {
  OutputFile work(FindInFolder(session.data_dir, work_name));
  work.Write(head);
  RainAndEvaporationReader reader(column);
  int days = 0;
  ForEachDataLine(input, [&](const std::string& line, int) {
    const RainAndEvaporationDay day = reader.Read(line);
    work.Write(RainAndEtoRow(day, eto_of(day)));
    ++days;
  });
  if (days == 0) throw InputError(input.name() + " holds no days after its three header lines");
  work.Commit();
}

}  // namespace kelvaro
