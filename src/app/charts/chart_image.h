#pragma once

#include <QByteArray>
#include <QChart>
#include <QSize>
#include <filesystem>

namespace kelvaro::app {

enum class ChartFormat { kPng, kSvg };

// The format a file name asks for by its extension (".png" or ".svg", any letter case); throws
// InputError naming the file for any other.
ChartFormat ChartFormatOf(const std::filesystem::path& file);

// `chart` drawn at `size` pixels, as the bytes of a PNG or SVG file.
QByteArray ChartImage(QChart& chart, QSize size, ChartFormat format);

// Writes the image to `file` whole or not at all (PNG or SVG by its extension).
void SaveChartImage(QChart& chart, QSize size, const std::filesystem::path& file);

}  // namespace kelvaro::app
