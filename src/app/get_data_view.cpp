#include "app/get_data_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <map>

#include "app/model_widgets.h"
#include "app/qt_text.h"
#include "dispatch/preset_stations.h"

namespace kelvaro::app {

GetDataView::GetDataView(TGetData& model, std::function<void(const std::function<void()>&)> run,
                         QWidget* parent)
    : QDialog(parent),
      model_(model),
      run_(std::move(run)),
      menu_bar_(new QMenuBar(this)),
      extention_(new QLabel(this)),
      warning_(NewWarningBox(this)),
      form_(new QFormLayout) {
  setObjectName(QStringLiteral("TGetData"));
  setWindowTitle(ToQt(kRunDialogCaption));
  BuildPresetMenu();

  AddField(model_.Station, kInputFilenameLabel, "Station");
  AddField(model_.Latitude, kLatitudeLabel, "Latitude");
  AddField(model_.Elevation, kElevationLabel, "Elevation");
  AddField(model_.SA, kSaNumberLabel, "SA");
  AddField(model_.Years, kYearsLabel, "Years");
  AddField(model_.FetchVal, kFetchLabel, "FetchVal");

  extention_->setObjectName(QStringLiteral("extention"));
  warning_->setMaximumHeight(90);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddOkCancel(this, buttons, [this] { model_.ButtonCancelClick(); }).ok;
  connect(ok, &QPushButton::clicked, this, &GetDataView::PressOK);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu_bar_);
  layout->addWidget(extention_);
  layout->addLayout(form_);
  layout->addWidget(warning_);
  layout->addWidget(buttons);
  setMinimumWidth(380);
  Pull();
}

void GetDataView::AddField(FormField& field, std::string_view label, const char* name) {
  fields_.push_back(AddBoundRow(form_, field, label, name, this));
}

// One submenu per region code, in the order the regions first appear.
void GetDataView::BuildPresetMenu() {
  QMenu* menu = menu_bar_->addMenu(ToQt(kPresetMenuCaption));
  menu->setObjectName(QStringLiteral("HydrologicRegions"));
  std::map<std::string_view, QMenu*> regions;
  for (const PresetStation& preset : kPresetStations) {
    QMenu*& region = regions[preset.region];
    if (region == nullptr) region = menu->addMenu(ToQt(preset.region));
    QAction* item = region->addAction(ToQt(preset.caption));
    connect(item, &QAction::triggered, this, [this, &preset] {
      model_.ChoosePreset(preset);
      Pull();
    });
  }
}

void GetDataView::Activate() {
  model_.FormActivate();
  Pull();
  adjustSize();  // the path dialog may have hidden or shown fields since the last showing
  show();
  raise();
  activateWindow();
  fields_.front()->edit()->setFocus();
}

void GetDataView::Pull() {
  for (const auto& field : fields_) field->Pull();
  extention_->setText(ToQt(model_.extention));
  PullWarning(model_.Warning, warning_);
}

void GetDataView::PressOK() {
  run_([this] { model_.ButtonOKClick(); });
  Pull();
}

}  // namespace kelvaro::app
