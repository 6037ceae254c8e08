#include "app/crop_soil_entry_view.h"

#include <QDate>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/message_box.h"
#include "app/qt_text.h"
#include "crops/crop_catalogue.h"
#include "crops/crop_file_rows.h"
#include "dispatch/run_dialog.h"
#include "weatherio/errors.h"
#include "weatherio/folder_lock.h"
#include "weatherio/number_parse.h"
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
                                     std::function<void(const SaveOutcome&)> saved,
                                     std::function<std::filesystem::path()> data_folder,
                                     QWidget* parent)
    : QDialog(parent),
      model_(model),
      navigator_(navigator),
      saved_(std::move(saved)),
      dates_(QLocale(), model.current_year()),
      crop_list_(new QComboBox(this)),
      save_(new QPushButton(QStringLiteral("Save"), this)),
      warning_view_(new CropSoilWarningView(model.warning(), this)),
      data_folder_(std::move(data_folder)),
      confirm_remove_([this](const QString& question) {
        return QMessageBox::question(this, QString::fromLatin1(kMessageBoxTitle), question) ==
               QMessageBox::Yes;
      }) {
  setObjectName(QStringLiteral("TCropSoilEntry"));
  setWindowTitle(ToQt(TCropSoilEntry::kCaption));
  model_.SetDateFormats(FromQt(dates_.Explanation()));

  QGroupBox* crop_box = BuildCropBox();
  QGroupBox* season = AddGroup("Season", kSeason, true);
  QGroupBox* soil = AddGroup("Soil and irrigation", kSoil, true);
  QGroupBox* cover = AddGroup("Ground cover (%)", kGroundCover, true);
  QGroupBox* cover_crops = AddGroup("Cover crops", kCoverCrops, false);
  QGroupBox* stress = AddGroup("Water stress", kStress, true);

  auto* soil_question = new QLabel(ToQt(kSoilTypeQuestion), this);
  auto* soil_explanation = new QLabel(ToQt(kSoilTypeExplanation), this);
  auto* hint = new QLabel(QStringLiteral("Dates: %1.\nAn empty entry takes the default beside it.")
                              .arg(dates_.Explanation()),
                          this);
  crop_rows_ = new CropRowsPanel(this);
  connect(crop_rows_->edit_button(), &QPushButton::clicked, this,
          &CropSoilEntryView::EditChosenCrop);
  connect(crop_rows_->table(), &QTableWidget::cellDoubleClicked, this,
          &CropSoilEntryView::EditChosenCrop);
  connect(crop_rows_->remove_button(), &QPushButton::clicked, this,
          &CropSoilEntryView::RemoveChosenCrop);
  connect(crop_rows_->new_button(), &QPushButton::clicked, this, &CropSoilEntryView::NewCrop);
  connect(EditOf(model_.SA), &QLineEdit::textEdited, this, &CropSoilEntryView::ListCrops);

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
  left->addWidget(soil_question);
  left->addWidget(soil_explanation);
  left->addWidget(hint);
  auto* right = new QVBoxLayout;
  right->addWidget(cover);
  right->addWidget(cover_crops);
  right->addWidget(stress);
  right->addStretch();
  right->addWidget(crop_rows_, 1);
  // Each column keeps the room it needs with every input shown, so choosing another crop
  // neither resizes the form nor moves what stays; the table of crops takes what is left.
  auto* columns = new QHBoxLayout;
  for (QLayout* column : {static_cast<QLayout*>(left), static_cast<QLayout*>(right)}) {
    auto* panel = new QWidget(this);
    column->setContentsMargins(0, 0, 0, 0);
    panel->setLayout(column);
    panel->setMinimumSize(panel->sizeHint().width(), panel->minimumSizeHint().height());
    columns_.emplace_back(panel, panel->minimumSize());
    columns->addWidget(panel, 1);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(exit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  // Tab follows the form's reading order: the study area and crop, then the groups, left column
  // first; defaults shown beside the entries are passed by.
  std::vector<QWidget*> order = {EditOf(model_.SA), crop_list_, EditOf(model_.HectaresPlanted)};
  for (const Group& group : groups_) {
    for (const BoundField* field : group.fields) order.push_back(field->edit());
  }
  order.push_back(save_);
  order.push_back(exit);
  order.push_back(crop_rows_->table());
  for (QPushButton* button :
       {crop_rows_->edit_button(), crop_rows_->remove_button(), crop_rows_->new_button()}) {
    order.push_back(button);
  }
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  Pull();
  ListCrops();
}

QGroupBox* CropSoilEntryView::BuildCropBox() {
  auto* crop_box = new QGroupBox(QStringLiteral("Study area and crop"), this);
  auto* crop_grid = new QGridLayout(crop_box);
  int line = 0;
  auto add_plain = [&](std::string_view label, FormField& field, const char* name, bool read_only) {
    QLineEdit* edit = NewEdit(crop_box, name);
    edit->setReadOnly(read_only);
    if (read_only) edit->setFocusPolicy(Qt::NoFocus);
    auto* caption = new QLabel(ToQt(label), crop_box);
    caption->setBuddy(edit);
    crop_grid->addWidget(caption, line, 0);
    crop_grid->addWidget(edit, line++, 1);
    fields_.push_back(std::make_unique<BoundField>(field, edit, std::vector<QWidget*>{caption}));
    if (!read_only) AddMessage(crop_grid, line++, &field);
  };
  add_plain(kSaNumberCaption, model_.SA, "SA", false);
  crop_list_->setObjectName(QStringLiteral("CropNameCombo"));
  for (int i = 0; i < kCropListSize; ++i) crop_list_->addItem(ToQt(CropListItem(i)));
  for (int i = 0; i < kCatalogueSize; ++i) {
    const int crop_class = CropClass(CropCatalogue()[static_cast<size_t>(i)].crop_no);
    crop_list_->setItemData(i, CropClassTip(crop_class), Qt::ToolTipRole);
  }
  crop_list_->setToolTip(
      QStringLiteral(
          "The crop's class, the whole number of its crop number, decides which entries the form "
          "asks for:\n%1\n%2\n%3\n%4")
          .arg(CropClassTip(1), CropClassTip(2), CropClassTip(3), CropClassTip(4)));
  crop_list_->setMaxVisibleItems(20);
  auto* crop_label = new QLabel(QStringLiteral("Crop:"), crop_box);
  crop_label->setBuddy(crop_list_);
  crop_grid->addWidget(crop_label, line, 0);
  crop_grid->addWidget(crop_list_, line++, 1);
  crop_message_ = AddMessage(crop_grid, line++, nullptr);
  add_plain("Crop number:", model_.CropNo, "CropNo", true);
  add_plain("Hectares planted:", model_.HectaresPlanted, "HectaresPlanted", false);
  connect(crop_list_, &QComboBox::activated, this, [this](int index) {
    model_.CropNameComboChange(index);
    Pull();
  });
  return crop_box;
}

// What a crop class means to the user, for the crop list's tips.
QString CropSoilEntryView::CropClassTip(int crop_class) {
  switch (crop_class) {
    case 1:
      return QStringLiteral(
          "Class 1: annual field and vegetable crops; no ground cover, cover "
          "crop or stress entries");
    case 2:
      return QStringLiteral(
          "Class 2: one crop coefficient the whole year (alfalfa, pasture, "
          "turfgrass); as class 1");
    case 3:
      return QStringLiteral(
          "Class 3: deciduous orchards and vines; ground cover on dates C and "
          "D, cover crops and water stress");
    case 4:
      return QStringLiteral(
          "Class 4: evergreen trees; ground cover on dates B, C, D and E, and "
          "cover crops");
    default:
      return {};
  }
}

// A refusal's text below its entry, in the entry's columns; hidden while there is none.
QLabel* CropSoilEntryView::AddMessage(QGridLayout* grid, int line, const FormField* field) {
  auto* message = new QLabel(grid->parentWidget());
  message->setStyleSheet(QStringLiteral("QLabel { color: #b00020; }"));
  message->hide();
  grid->addWidget(message, line, 0, 1, 3);
  if (field != nullptr) messages_.emplace_back(field, message);
  return message;
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
      edit->setToolTip(QStringLiteral("A date: %1").arg(dates_.Explanation()));
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
    AddMessage(grid, line + 1, &entry);
    line += 2;
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
  saved_in_.reset();
  Pull();
  ShowProblems();
  ListCrops();
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

// The entry beside which a refusal of `field` is shown; nothing for the crop list. A value
// derived from entries is shown by the entry it follows from, a period by its last entry.
const FormField* EntryShowing(const TCropSoilEntry& form, CropField field) {
  switch (field) {
    case CropField::kSaNumber:
      return &form.SA;
    case CropField::kPlantingDate:
      return &form.PlantingDate;
    case CropField::kEndingDate:
      return &form.EndingDate;
    case CropField::kArea:
      return &form.HectaresPlanted;
    case CropField::kMaxSoilDepth:
      return &form.MaxSoilDepth;
    case CropField::kRootingDepth:
    case CropField::kPlantAvailableWater:
      return &form.RootingDepth;
    case CropField::kAllowableDepletion:
    case CropField::kYieldThreshold:
      return &form.AllowableDepletion;
    case CropField::kSoilType:
    case CropField::kAvailableWater:
      return &form.SoilType;
    case CropField::kWettingFrequency:
      return &form.WettingFrequency;
    case CropField::kGroundCoverB:
      return &form.GroundCoverDateB;
    case CropField::kGroundCoverC:
      return &form.GroundCoverDateC;
    case CropField::kGroundCoverD:
      return &form.GroundCoverDateD;
    case CropField::kGroundCoverE:
      return &form.GroundCoverDateE;
    case CropField::kCoverCrop1:
      return &form.CoverCrop1End;
    case CropField::kCoverCrop2:
      return &form.CoverCrop2End;
    case CropField::kStressFactor:
      return &form.StressFactor;
    case CropField::kStressStart:
      return &form.StressStartingDate;
    case CropField::kStressPeriod:
    case CropField::kStressEnd:
      return &form.StressEndingDate;
    case CropField::kPreIrrigated:
      return &form.PreIrrigated;
    default:
      return nullptr;  // the code, name, stages and coefficients come with the crop chosen
  }
}

// The text broken into lines of at most `width` pixels, between words. Labels are not left to
// wrap themselves: a label whose height follows its width leaves a dialog with no minimum
// height, and the form would then squeeze its groups together.
QString Wrapped(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  QString line;
  for (const QString& word : text.split(QLatin1Char(' '))) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
      lines << line;
      line = word;
    } else {
      line = longer;
    }
  }
  lines << line;
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

QLabel* CropSoilEntryView::MessageOf(CropField field) const {
  const FormField* entry = EntryShowing(model_, field);
  for (const auto& [shown_by, message] : messages_) {
    if (shown_by == entry) return message;
  }
  return crop_message_;
}

void CropSoilEntryView::ShowProblems() {
  for (const auto& shown : messages_) shown.second->clear();
  crop_message_->clear();
  for (const CropRowProblem& problem : model_.problems()) {
    QLabel* message = MessageOf(problem.field);
    const int width = std::max(message->parentWidget()->contentsRect().width() - 24, 300);
    const QString text = Wrapped(ToQt(problem.message), message->fontMetrics(), width);
    message->setText(message->text().isEmpty() ? text : message->text() + "\n" + text);
  }
  for (const auto& shown : messages_) shown.second->setVisible(!shown.second->text().isEmpty());
  crop_message_->setVisible(!crop_message_->text().isEmpty());
  // Messages take room of their own: a column grows for them rather than squeeze its groups.
  for (const auto& [panel, least] : columns_) {
    panel->setMinimumSize(least.expandedTo(panel->layout()->minimumSize()));
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
    // A row being edited is rewritten in its own folder, locked as for every write there.
    std::optional<FolderLock> lock;
    if (const auto& editing = model_.editing()) {
      lock.emplace(editing->file.parent_path(), "the crop entry form");
      RecoverFolder(editing->file.parent_path());
    }
    LockingNavigator navigator(navigator_);
    outcome = model_.ButtonSaveClick(navigator);
  } catch (const std::exception& error) {
    Pull();
    ShowProblems();
    ShowMessageBox(this, ToQt(error.what()));
    ListCrops();  // a crop file changed meanwhile is listed as it is now
    return;
  }
  Pull();
  ShowProblems();
  warning_view_->Pull();
  if (outcome.result != SaveResult::kWritten) return;
  saved_in_ = outcome.file.parent_path();
  ListCrops();
  if (model_.editing()) {
    crop_rows_->Select(model_.editing()->number);
    crop_rows_->SetNote(
        QStringLiteral("Crop %1 (%2) rewritten in %3; the other rows are as they were.")
            .arg(model_.editing()->number)
            .arg(ToQt(outcome.row.name), PathToQt(outcome.file)));
  } else if (saved_) {
    saved_(outcome);
  }
}

// The crops of the study area typed, when it is a number of the range.
void CropSoilEntryView::ListCrops() {
  const std::string typed = FromQt(EditOf(model_.SA)->text().trimmed());
  int sa_number = 0;
  try {
    sa_number = ParseInt(typed);
  } catch (const ConversionError&) {
  }
  if (sa_number < kMinSaNumber || sa_number > kMaxSaNumber) {
    crop_rows_->Clear(QStringLiteral("Type the SA number to list its crops."));
    return;
  }
  crop_rows_->List(saved_in_.value_or(data_folder_ ? data_folder_() : "."), sa_number);
  ShowEditing();
}

void CropSoilEntryView::ShowEditing() {
  const auto& editing = model_.editing();
  if (!editing || editing->file != crop_rows_->file()) return;
  crop_rows_->Select(editing->number);
  crop_rows_->SetNote(
      QStringLiteral("Editing crop %1: Save rewrites that row only.").arg(editing->number));
}

void CropSoilEntryView::EditChosenCrop() {
  const CropFileLine* chosen = crop_rows_->Selected();
  if (chosen == nullptr || !chosen->row) return;
  const CropRowEdit edit{crop_rows_->file(), crop_rows_->sa_number(), chosen->number, chosen->text};
  if (!model_.EditCropRow(edit, *chosen->row)) {
    ShowMessageBox(this, QStringLiteral("Crop %1 (%2) is not a crop of the crop list; Remove takes "
                                        "it out, or edit it in a spreadsheet.")
                             .arg(chosen->number)
                             .arg(ToQt(chosen->name)));
    return;
  }
  Pull();
  ShowProblems();
  ShowEditing();
}

void CropSoilEntryView::RemoveChosenCrop() {
  const CropFileLine* chosen = crop_rows_->Selected();
  if (chosen == nullptr) return;
  const std::filesystem::path file = crop_rows_->file();
  const int k = chosen->number;
  const QString name = ToQt(chosen->name);
  const QString question = QStringLiteral(
                               "Remove crop %1 (%2) from %3? The crops after it move up "
                               "one number.")
                               .arg(k)
                               .arg(name, ToQt(file.filename().string()));
  if (!confirm_remove_(question)) return;
  try {
    const FolderLock lock(file.parent_path(), "the crop entry form");
    RecoverFolder(file.parent_path());
    RewriteCropRow(file, k, chosen->text, std::nullopt);
  } catch (const std::exception& error) {
    ShowMessageBox(this, ToQt(error.what()));
    ListCrops();
    return;
  }
  // The numbers after it have moved: a row being edited in that file is let go.
  if (model_.editing() && model_.editing()->file == file) NewCrop();
  ListCrops();
  crop_rows_->SetNote(
      QStringLiteral("Removed crop %1 (%2) from %3.").arg(k).arg(name, PathToQt(file)));
}

// The study area typed stays; everything else is emptied for a new row.
void CropSoilEntryView::NewCrop() {
  const std::string sa = model_.SA.text;
  model_.ResetCropForm();
  model_.SA.text = sa;
  Pull();
  ShowProblems();
  ListCrops();
}

}  // namespace kelvaro::app
