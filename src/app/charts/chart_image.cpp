#include "app/charts/chart_image.h"

#include <QApplication>
#include <QBuffer>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "app/qt_text.h"
#include "weatherio/errors.h"
#include "weatherio/letter_case.h"
#include "weatherio/output_file.h"

namespace kelvaro::app {
namespace {

// Draws the chart on `device`, white behind it, in a scene of its own for the time of drawing.
void Draw(QChart& chart, QSize size, QPaintDevice& device) {
  QGraphicsScene scene;
  scene.addItem(&chart);
  chart.setGeometry(0, 0, size.width(), size.height());
  QApplication::processEvents();  // lays the chart out
  QPainter painter(&device);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(0, 0, size.width(), size.height());
  painter.fillRect(area, Qt::white);
  scene.render(&painter, area, area);
  painter.end();
  scene.removeItem(&chart);
}

}  // namespace

ChartFormat ChartFormatOf(const std::filesystem::path& file) {
  const std::string extension = file.extension().string();
  if (EqualsIgnoringCase(extension, ".png")) return ChartFormat::kPng;
  if (EqualsIgnoringCase(extension, ".svg")) return ChartFormat::kSvg;
  throw InputError(file.filename().string() + ": a chart is written as .png or .svg");
}

QByteArray ChartImage(QChart& chart, QSize size, ChartFormat format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (format == ChartFormat::kSvg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(chart.title());
    Draw(chart, size, svg);
  } else {
    QImage image(size, QImage::Format_ARGB32);
    Draw(chart, size, image);
    image.save(&buffer, "PNG");
  }
  return bytes;
}

void SaveChartImage(QChart& chart, QSize size, const std::filesystem::path& file) {
  const QByteArray bytes = ChartImage(chart, size, ChartFormatOf(file));
  if (bytes.isEmpty()) throw InputError("Couldn't draw " + file.filename().string() + ".");
  WriteWholeFile(file, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace kelvaro::app
