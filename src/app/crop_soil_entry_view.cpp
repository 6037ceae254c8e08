#include "app/crop_soil_entry_view.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/message_box.h"
#include "app/qt_text.h"
#include "crops/crop_catalogue.h"
#include "dispatch/run_dialog.h"
#include "weatherio/folder_lock.h"
#include "weatherio/staged_run.h"
#include "weatherio/study_area_names.h"

namespace kelvaro::app {

namespace {

using Entry = TCropSoilEntry;

constexpr CropSoilEntryView::Row kSeason[] = {
    {"Planting or leaf-out date:", &Entry::PlantingDate, &Entry::DefPlantingDate, true},
    {"End of season:", &Entry::EndingDate, &Entry::DefEndingDate, true},
};

constexpr CropSoilEntryView::Row kSoil[] = {
    {"Soil type (L, M, H):", &Entry::SoilType, &Entry::DefSoilType, false},
    {"Maximum soil depth (mm):", &Entry::MaxSoilDepth, &Entry::DefMaxSoil, false},
    {"Maximum rooting depth (mm):", &Entry::RootingDepth, &Entry::DefRootingDepth, false},
    {"Allowable depletion (%):", &Entry::AllowableDepletion, &Entry::DefAllowableDepletion, false},
    {"Wetting frequency (days):", &Entry::WettingFrequency, &Entry::DefWettingFrequency, false},
    {"Pre-irrigated (Y/N):", &Entry::PreIrrigated, &Entry::DefPreIrrigated, false},
};

constexpr CropSoilEntryView::Row kGroundCover[] = {
    {"On date B:", &Entry::GroundCoverDateB, &Entry::DefGroundCoverDateB, false},
    {"On date C:", &Entry::GroundCoverDateC, &Entry::DefGroundCoverDateC, false},
    {"On date D:", &Entry::GroundCoverDateD, &Entry::DefGroundCoverDateD, false},
    {"On date E:", &Entry::GroundCoverDateE, &Entry::DefGroundCoverDateE, false},
};

constexpr CropSoilEntryView::Row kCoverCrops[] = {
    {"First cover crop begins:", &Entry::CoverCrop1Begin, nullptr, true},
    {"First cover crop ends:", &Entry::CoverCrop1End, nullptr, true},
    {"Second cover crop begins:", &Entry::CoverCrop2Begin, nullptr, true},
    {"Second cover crop ends:", &Entry::CoverCrop2End, nullptr, true},
};

constexpr CropSoilEntryView::Row kStress[] = {
    {"Stress factor Ks (0-1):", &Entry::StressFactor, &Entry::DefStressFactor, false},
    {"Stress begins:", &Entry::StressStartingDate, nullptr, true},
    {"Stress ends:", &Entry::StressEndingDate, nullptr, true},
};

QLineEdit* NewEdit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMinimumWidth(110);
  return edit;
}

// Defaults are shown, not typed: Tab passes them by.
QLineEdit* NewDefault(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  edit->setMinimumWidth(90);
  edit->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
  return edit;
}

}  // namespace

CropSoilEntryView::CropSoilEntryView(TCropSoilEntry& model, Navigator& navigator,
                                     std::function<void(const SaveOutcome&)> saved, QWidget* parent)
    : QDialog(parent),
      model_(model),
      navigator_(navigator),
      saved_(std::move(saved)),
      dates_(QLocale(), model.current_year()),
      crop_list_(new QComboBox(this)),
      save_(new QPushButton(QStringLiteral("Save"), this)),
      warning_view_(new CropSoilWarningView(model.warning(), this)) {
  setObjectName(QStringLiteral("TCropSoilEntry"));
  setWindowTitle(ToQt(TCropSoilEntry::kCaption));

  auto* crop_box = new QGroupBox(QStringLiteral("Study area and crop"), this);
  auto* crop_grid = new QGridLayout(crop_box);
  auto add_plain = [&](int row, std::string_view label, FormField& field, const char* name,
                       bool read_only) {
    QLineEdit* edit = NewEdit(crop_box, name);
    edit->setReadOnly(read_only);
    if (read_only) edit->setFocusPolicy(Qt::NoFocus);
    auto* caption = new QLabel(ToQt(label), crop_box);
    caption->setBuddy(edit);
    crop_grid->addWidget(caption, row, 0);
    crop_grid->addWidget(edit, row, 1);
    fields_.push_back(std::make_unique<BoundField>(field, edit, std::vector<QWidget*>{caption}));
  };
  add_plain(0, kSaNumberCaption, model_.SA, "SA", false);
  crop_list_->setObjectName(QStringLiteral("CropNameCombo"));
  for (int i = 0; i < kCropListSize; ++i) crop_list_->addItem(ToQt(CropListItem(i)));
  crop_list_->setMaxVisibleItems(20);
  auto* crop_label = new QLabel(QStringLiteral("Crop:"), crop_box);
  crop_label->setBuddy(crop_list_);
  crop_grid->addWidget(crop_label, 1, 0);
  crop_grid->addWidget(crop_list_, 1, 1);
  add_plain(2, "Crop number:", model_.CropNo, "CropNo", true);
  add_plain(3, "Hectares planted:", model_.HectaresPlanted, "HectaresPlanted", false);
  connect(crop_list_, &QComboBox::activated, this, [this](int index) {
    model_.CropNameComboChange(index);
    Pull();
  });

  QGroupBox* season = AddGroup("Season", kSeason, true);
  QGroupBox* soil = AddGroup("Soil and irrigation", kSoil, true);
  QGroupBox* cover = AddGroup("Ground cover (%)", kGroundCover, true);
  QGroupBox* cover_crops = AddGroup("Cover crops", kCoverCrops, false);
  QGroupBox* stress = AddGroup("Water stress", kStress, true);

  auto* soil_question = new QLabel(ToQt(kSoilTypeQuestion), this);
  auto* soil_explanation = new QLabel(ToQt(kSoilTypeExplanation), this);
  auto* hint = new QLabel(QStringLiteral("Dates: %1, or without the year for %2. An empty entry "
                                         "takes the default beside it.")
                              .arg(dates_.Format())
                              .arg(model_.current_year()),
                          this);

  save_->setObjectName(QStringLiteral("ButtonSave"));
  auto* exit = new QPushButton(QStringLiteral("Exit"), this);
  exit->setObjectName(QStringLiteral("ButtonCancel"));
  connect(save_, &QPushButton::clicked, this, &CropSoilEntryView::Save);
  connect(exit, &QPushButton::clicked, this, &QDialog::hide);

  auto* left = new QVBoxLayout;
  left->addWidget(crop_box);
  left->addWidget(season);
  left->addWidget(soil);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(cover);
  right->addWidget(cover_crops);
  right->addWidget(stress);
  right->addStretch();
  // Each column keeps the room it needs with every input shown, so choosing another crop
  // neither resizes the form nor moves what stays.
  auto* columns = new QHBoxLayout;
  for (QLayout* column : {static_cast<QLayout*>(left), static_cast<QLayout*>(right)}) {
    auto* panel = new QWidget(this);
    column->setContentsMargins(0, 0, 0, 0);
    panel->setLayout(column);
    panel->setMinimumSize(panel->sizeHint());
    columns->addWidget(panel, 1);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(exit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(soil_question);
  layout->addWidget(soil_explanation);
  layout->addWidget(hint);
  layout->addLayout(buttons);
  // Tab follows the form's reading order: the study area and crop, then the groups, left column
  // first; defaults shown beside the entries are passed by.
  std::vector<QWidget*> order = {EditOf(model_.SA), crop_list_, EditOf(model_.HectaresPlanted)};
  for (const Group& group : groups_) {
    for (const BoundField* field : group.fields) order.push_back(field->edit());
  }
  order.push_back(save_);
  order.push_back(exit);
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  Pull();
}

QGroupBox* CropSoilEntryView::AddGroup(const char* title, std::span<const Row> rows,
                                       bool with_defaults) {
  auto* box = new QGroupBox(QString::fromLatin1(title), this);
  auto* grid = new QGridLayout(box);
  if (with_defaults) grid->addWidget(new QLabel(QStringLiteral("Default"), box), 0, 2);
  Group group{box, {}};
  int line = 1;
  for (const Row& row : rows) {
    FormField& entry = model_.*row.entry;
    QLineEdit* edit = NewEdit(box, "");
    auto* caption = new QLabel(QString::fromLatin1(row.label), box);
    caption->setBuddy(edit);
    grid->addWidget(caption, line, 0);
    grid->addWidget(edit, line, 1);
    BoundField::Convert to_model, to_view;
    if (row.date) {
      edit->setPlaceholderText(dates_.Format());
      to_model = [this](const QString& text) { return dates_.ToModel(text); };
      to_view = [this](const QString& text) { return dates_.ToView(text); };
    }
    fields_.push_back(std::make_unique<BoundField>(entry, edit, std::vector<QWidget*>{caption},
                                                   to_model, to_view));
    group.fields.push_back(fields_.back().get());
    if (row.default_value != nullptr) {
      QLineEdit* shown = NewDefault(box);
      grid->addWidget(shown, line, 2);
      fields_.push_back(std::make_unique<BoundField>(model_.*row.default_value, shown,
                                                     std::vector<QWidget*>{}, to_model, to_view));
    }
    ++line;
  }
  groups_.push_back(group);
  return box;
}

QLineEdit* CropSoilEntryView::EditOf(const FormField& field) const {
  for (const auto& bound : fields_) {
    if (&bound->field() == &field) return bound->edit();
  }
  return nullptr;
}

void CropSoilEntryView::Activate() {
  model_.FormActivate();
  Pull();
  show();
  raise();
  activateWindow();
  fields_.front()->edit()->setFocus();
}

void CropSoilEntryView::Pull() {
  for (const auto& field : fields_) field->Pull();
  crop_list_->setCurrentIndex(model_.selected_crop());
  for (const Group& group : groups_) {
    bool any = false;
    for (const BoundField* field : group.fields) any = any || field->field().visible;
    group.box->setVisible(any);
  }
}

namespace {

// The folder the user chooses for the crop file is locked, as for every command that writes
// in it, from the answer until the row is saved.
class LockingNavigator : public Navigator {
 public:
  explicit LockingNavigator(Navigator& to) : to_(to) {}
  std::optional<std::filesystem::path> AskDirectory(const std::string& title) override {
    auto folder = to_.AskDirectory(title);
    if (folder) {
      lock_.emplace(*folder, "the crop entry form");
      RecoverFolder(*folder);
    }
    return folder;
  }

 private:
  Navigator& to_;
  std::optional<FolderLock> lock_;
};

}  // namespace

void CropSoilEntryView::Save() {
  SaveOutcome outcome;
  try {
    LockingNavigator navigator(navigator_);
    outcome = model_.ButtonSaveClick(navigator);
  } catch (const std::exception& error) {
    ShowMessageBox(this, ToQt(error.what()));
    return;
  }
  Pull();
  warning_view_->Pull();
  if (outcome.result == SaveResult::kWritten && saved_) saved_(outcome);
}

}  // namespace kelvaro::app
