#include "app/crop_soil_warning_view.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace kelvaro::app {

CropSoilWarningView::CropSoilWarningView(TCropSoilWarning& model, QWidget* parent)
    : QDialog(parent), model_(model), text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("TCropSoilWarning"));
  setWindowTitle(ToQt(TCropSoilWarning::kCaption));
  setWindowModality(Qt::WindowModal);
  text_->setObjectName(QStringLiteral("Warning"));
  text_->setReadOnly(true);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("ButtonOK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    model_.ButtonOKClick();
    Pull();
  });
  connect(this, &QDialog::rejected, this, [this] { model_.ButtonOKClick(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(ok, 0, Qt::AlignRight);
  resize(420, 180);
}

void CropSoilWarningView::Pull() {
  QStringList lines;
  for (const std::string& line : model_.Warning) lines << ToQt(line);
  text_->setPlainText(lines.join(QLatin1Char('\n')));
  setVisible(model_.visible);
  if (model_.visible) raise();
}

}  // namespace kelvaro::app
