// SPDX-License-Identifier: GPL-3.0-or-later
// Each pair is set in turn, so that a control taken out of the default order carries the rest of the chain with it.
#include "app/widgets/taborder.h"

#include <QWidget>

namespace TabOrder {

void chain(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls.at(i - 1), controls.at(i));
}

} // namespace TabOrder
