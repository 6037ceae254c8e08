#include "app/get_data_view.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <map>

#include "app/app_memory.h"
#include "app/model_widgets.h"
#include "app/qt_text.h"
#include "app/remembered_values.h"
#include "dispatch/input_file_list.h"
#include "dispatch/input_kinds.h"
#include "dispatch/preset_stations.h"
#include "weatherio/message_text.h"

namespace kelvaro::app {
namespace {

const QString kDialogKey = QStringLiteral("GetData");

QString RegionTip(std::string_view code) {
  for (const HydrologicRegion& region : kHydrologicRegions) {
    if (region.code == code) {
      return QStringLiteral("Hydrologic region %1: %2").arg(ToQt(code), ToQt(region.name));
    }
  }
  return QString();
}

}  // namespace

GetDataView::GetDataView(TGetData& model, std::function<void(const std::function<void()>&)> run,
                         QWidget* parent)
    : QDialog(parent),
      model_(model),
      run_(std::move(run)),
      menu_bar_(new QMenuBar(this)),
      extention_(new QLabel(this)),
      warning_(NewWarningBox(this)),
      form_(new QFormLayout),
      station_note_(new QLabel(this)),
      folder_note_(new QLabel(this)) {
  setObjectName(QStringLiteral("TGetData"));
  setWindowTitle(ToQt(kRunDialogCaption));
  BuildPresetMenu();

  AddStationRow();
  AddField(model_.Latitude, kLatitudeLabel, "Latitude",
           "Decimal degrees, north positive, between -90 and 90; the input file's first line "
           "gives it when a file is chosen from the list");
  AddField(model_.Elevation, kElevationLabel, "Elevation",
           "Metres above sea level, between -200 and 4000");
  AddField(model_.SA, kSaNumberLabel, "SA",
           "The study area, 1 to 99999: its crops are in SA + five digits + .csv of the folder");
  AddField(model_.Years, kYearsLabel, "Years",
           "How many years of weather to generate from the monthly means, 2 to 99");
  AddField(model_.FetchVal, kFetchLabel, "FetchVal",
           "Metres of grass upwind of the evaporation pan, 1 to 1000");

  extention_->setObjectName(QStringLiteral("extention"));
  for (QLabel* note : {station_note_, folder_note_}) {
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  station_note_->setObjectName(QStringLiteral("StationNote"));
  folder_note_->setObjectName(QStringLiteral("FolderNote"));
  warning_->setMaximumHeight(90);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = AddOkCancel(this, buttons, [this] { model_.ButtonCancelClick(); }).ok;
  connect(ok, &QPushButton::clicked, this, &GetDataView::PressOK);

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu_bar_);
  layout->addWidget(extention_);
  layout->addLayout(form_);
  layout->addWidget(station_note_);
  layout->addWidget(folder_note_);
  layout->addWidget(warning_);
  layout->addWidget(buttons);
  setMinimumWidth(560);
  Pull();
}

void GetDataView::SetSurroundings(RunDialogSurroundings surroundings) {
  surroundings_ = std::move(surroundings);
}

void GetDataView::AddField(FormField& field, std::string_view label, const char* name,
                           const char* tip) {
  fields_.push_back(AddBoundRow(form_, field, label, name, this));
  fields_.back()->edit()->setToolTip(QString::fromUtf8(tip));
}

// The station's edit, the list of the folder's files of the kind and Browse, on one row.
void GetDataView::AddStationRow() {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("Station"));
  edit->setToolTip(
      QStringLiteral("The input file's name without its extension; the run reads the file named "
                     "by its first five characters"));
  auto* caption = new QLabel(ToQt(kInputFilenameLabel), this);
  caption->setBuddy(edit);
  // Made after the edit, so that Tab goes from the station to its list and Browse.
  station_list_ = new QComboBox(this);
  browse_ = new QPushButton(QStringLiteral("&Browse..."), this);
  station_list_->setObjectName(QStringLiteral("StationList"));
  station_list_->setToolTip(QStringLiteral("The input files of this kind in the data folder"));
  station_list_->setMinimumContentsLength(14);
  browse_->setObjectName(QStringLiteral("BrowseStation"));
  browse_->setToolTip(
      QStringLiteral("Choose an input file in any folder: nothing is copied, the run reads the "
                     "file's folder, where the crop file must be too"));
  auto* row = new QHBoxLayout;
  row->addWidget(edit, 1);
  row->addWidget(station_list_, 1);
  row->addWidget(browse_);
  form_->addRow(caption, row);
  fields_.push_back(std::make_unique<BoundField>(
      model_.Station, edit, std::vector<QWidget*>{caption, station_list_, browse_}));
  connect(station_list_, &QComboBox::activated, this, [this](int index) {
    const QString station = station_list_->itemData(index).toString();
    if (!station.isEmpty()) ChooseStation(station);
  });
  connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
    if (edit->text() != station_taken_) ChooseStation(edit->text());
  });
  connect(browse_, &QPushButton::clicked, this, &GetDataView::BrowseForFile);
}

// One submenu per region code, in the order the regions first appear.
void GetDataView::BuildPresetMenu() {
  QMenu* menu = menu_bar_->addMenu(ToQt(kPresetMenuCaption));
  menu->setObjectName(QStringLiteral("HydrologicRegions"));
  menu->setToolTipsVisible(true);
  std::map<std::string_view, QMenu*> regions;
  for (const PresetStation& preset : kPresetStations) {
    QMenu*& region = regions[preset.region];
    if (region == nullptr) {
      region = menu->addMenu(ToQt(preset.region));
      region->menuAction()->setToolTip(RegionTip(preset.region));
      region->setToolTipsVisible(true);
    }
    QAction* item = region->addAction(ToQt(preset.caption));
    item->setToolTip(QStringLiteral("%1: latitude %2, elevation %3 m, 30 years")
                         .arg(ToQt(preset.station), ToQt(preset.latitude), ToQt(preset.elevation)));
    connect(item, &QAction::triggered, this, [this, &preset] {
      model_.ChoosePreset(preset);
      Pull();
    });
  }
}

// Exactly the data folder's files of the kind; a name the run would read by its first five
// characters as another file is listed but cannot be chosen.
void GetDataView::FillStationList() {
  station_list_->clear();
  const auto files = surroundings_.data_folder
                         ? InputFilesOfKind(surroundings_.data_folder(), model_.ext)
                         : std::vector<InputFileEntry>{};
  station_list_->setPlaceholderText(
      files.empty() ? QStringLiteral("No .%1 files here").arg(ToQt(model_.ext))
                    : QStringLiteral("%1 .%2 files").arg(files.size()).arg(ToQt(model_.ext)));
  auto* items = qobject_cast<QStandardItemModel*>(station_list_->model());
  for (const InputFileEntry& file : files) {
    station_list_->addItem(ToQt(file.file_name), ToQt(file.station));
    if (file.read_by_its_name || items == nullptr) continue;
    QStandardItem* item = items->item(station_list_->count() - 1);
    item->setEnabled(false);
    item->setToolTip(QStringLiteral("The run reads a file by the first five characters of its "
                                    "name: rename %1 to use it")
                         .arg(ToQt(file.file_name)));
  }
  station_list_->setCurrentIndex(-1);
}

void GetDataView::ChooseStation(const QString& station) {
  model_.Station.text = FromQt(station);
  station_taken_ = station;
  const std::string note = model_.TakeStationLine();
  station_note_->setText(ToQt(note));
  station_note_->setVisible(!note.empty());
  Pull();
}

// A file elsewhere is read where it is: the data folder becomes its folder.
void GetDataView::BrowseForFile() {
  if (!surroundings_.choose_file || !surroundings_.data_folder) return;
  const QString ext = ToQt(model_.ext);
  const auto file = surroundings_.choose_file(
      QStringLiteral("Choose the input file"), surroundings_.data_folder(),
      QStringLiteral("Input files (*.%1 *.%2);;All files (*)").arg(ext.toLower(), ext.toUpper()));
  if (!file) return;
  const std::filesystem::path folder = file->parent_path();
  if (ShownPath(folder) != ShownPath(surroundings_.data_folder()) && surroundings_.change_folder) {
    surroundings_.change_folder(folder);
  }
  FillStationList();
  ChooseStation(PathToQt(file->stem()));
}

void GetDataView::OfferRememberedValues() {
  if (surroundings_.memory == nullptr) return;
  for (const auto& field : fields_) {
    QLineEdit* edit = field->edit();
    if (edit->objectName() == QLatin1String("Station")) continue;
    OfferValues(edit, surroundings_.memory->Values(kDialogKey, edit->objectName()));
  }
}

void GetDataView::RememberValues() {
  if (surroundings_.memory == nullptr) return;
  for (const auto& field : fields_) {
    if (!field->field().visible) continue;
    surroundings_.memory->RememberValue(kDialogKey, field->edit()->objectName(),
                                        ToQt(field->field().text));
  }
  surroundings_.memory->RememberKind(ToQt(model_.ext));
}

void GetDataView::Activate() {
  model_.FormActivate();
  station_taken_.clear();
  station_note_->clear();
  station_note_->hide();
  FillStationList();
  OfferRememberedValues();
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
  if (const auto kind = FindInputKind(model_.ext)) extention_->setToolTip(ToQt(kind->meaning));
  if (surroundings_.data_folder) {
    folder_note_->setText(QStringLiteral("The run reads and writes the data folder %1")
                              .arg(PathToQt(ShownPath(surroundings_.data_folder()))));
  }
  PullWarning(model_.Warning, warning_);
}

// The values of a run that went through are remembered; the dialog closes for such a run.
void GetDataView::PressOK() {
  run_([this] { model_.ButtonOKClick(); });
  if (!isVisible()) RememberValues();
  Pull();
}

}  // namespace kelvaro::app
