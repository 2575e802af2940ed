// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour box: a drop-down list of the standard colours, each with its
// swatch, and "その他..." to pick any colour with the platform's colour dialog.
// Colours are 0x00BBGGRR integers, as the preferences keep them.

class QComboBox;

namespace sorvel {

// Fills the list; done once per box.
void SetUpColorChoice(QComboBox* box);
// Selects `color`, adding an entry for it when it is not a standard colour.
void SelectColor(QComboBox* box, int color);
// The selected colour (black when nothing is selected).
int ChosenColor(const QComboBox* box);

}  // namespace sorvel
