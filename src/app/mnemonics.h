#pragma once

#include <QMenu>
#include <QMenuBar>

namespace kelvaro::app {

// Gives every menu of the bar, and every item of each menu, an Alt key: the first letter of a
// word not yet taken among its neighbours, else any letter not taken. Captions that have one
// keep it. The captions themselves are unchanged on screen but for the underline.
void AddMnemonics(QMenuBar& bar);
void AddMnemonics(QMenu& menu);

}  // namespace kelvaro::app
