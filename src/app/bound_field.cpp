#include "app/bound_field.h"

#include "app/qt_text.h"

namespace kelvaro::app {

BoundField::BoundField(FormField& field, QLineEdit* edit, std::vector<QWidget*> companions,
                       Convert to_model, Convert to_view)
    : field_(field),
      edit_(edit),
      companions_(std::move(companions)),
      to_model_(std::move(to_model)),
      to_view_(std::move(to_view)) {
  QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
    field_.text = FromQt(to_model_ ? to_model_(text) : text);
  });
}

void BoundField::Pull() const {
  const QString text = ToQt(field_.text);
  const QString shown = to_view_ ? to_view_(text) : text;
  if (edit_->text() != shown) edit_->setText(shown);
  edit_->setVisible(field_.visible);
  for (QWidget* companion : companions_) companion->setVisible(field_.visible);
}

std::unique_ptr<BoundField> AddBoundRow(QFormLayout* form, FormField& field, std::string_view label,
                                        const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  auto* caption = new QLabel(ToQt(label), parent);
  caption->setBuddy(edit);
  form->addRow(caption, edit);
  return std::make_unique<BoundField>(field, edit, std::vector<QWidget*>{caption});
}

}  // namespace kelvaro::app
