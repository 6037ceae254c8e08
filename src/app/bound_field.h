#pragma once

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "forms/form_field.h"

namespace kelvaro::app {

// An edit (and the labels beside it) bound to one field of a dialog model. Typing writes the
// model at once; Pull shows what the model holds. Hidden fields hide their labels with them.
class BoundField {
 public:
  using Convert = std::function<QString(const QString&)>;

  // `to_model` and `to_view` convert between what is typed and what the model holds (dates);
  // empty converters pass the text through.
  BoundField(FormField& field, QLineEdit* edit, std::vector<QWidget*> companions = {},
             Convert to_model = {}, Convert to_view = {});

  void Pull() const;
  FormField& field() const { return field_; }
  QLineEdit* edit() const { return edit_; }

 private:
  FormField& field_;
  QLineEdit* edit_;
  std::vector<QWidget*> companions_;
  Convert to_model_;
  Convert to_view_;
};

// A labelled edit of object name `name` added as a row of `form`, bound to `field`.
std::unique_ptr<BoundField> AddBoundRow(QFormLayout* form, FormField& field, std::string_view label,
                                        const char* name, QWidget* parent);

}  // namespace kelvaro::app
