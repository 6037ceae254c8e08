#pragma once

#include <QLineEdit>
#include <QStringList>

namespace kelvaro::app {

// Offers the remembered values of a field in a list under its edit: Down opens it whatever is
// typed, typing narrows it, and the empty edit shows the latest value greyed. The edit's text
// is left as it is.
void OfferValues(QLineEdit* edit, const QStringList& values);

}  // namespace kelvaro::app
