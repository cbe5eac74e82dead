// The common layout of the save-options and print-options dialogs: one group box holding a
// column of check boxes, top to bottom, with the dialog's buttons below it on the right.
#pragma once

#include <QGroupBox>
#include <QString>

#include "platform/choice_controls.h"
#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

// A group box for `rows` check boxes at the top left of `form`.
QGroupBox* optionGroup(QWidget* form, const QString& name, const QString& caption, int rows);

// The check box at `row` (from 0, top to bottom) of `group`. Every option starts disabled
// and unticked; the command that shows the dialog enables those whose stage is reached.
CheckBox* optionBox(QGroupBox* group, const QString& name, const QString& caption, int row);

// The confirm button below the group, at its right edge, and the form sized around both.
BitBtn* confirmButton(QWidget* form, QGroupBox* group, const QString& name, const QString& caption,
                      const QString& icon);

// A picture button without a caption, left of `confirm` (the printer set-up).
BitBtn* pictureButtonBeside(QWidget* form, BitBtn* confirm, const QString& name, const QString& icon,
                            const QString& toolTip);

}  // namespace kovia
