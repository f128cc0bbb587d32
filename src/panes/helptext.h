// The help message behind the credit label, and the controls whose bold type the title label switches.
#pragma once

#include <QString>
#include <QStringList>

QString HelpTitle();

// Eight lines joined by a lone carriage return, with no separator after the last.
QString HelpText();

// objectNames of the twelve controls the title label toggles, in the order they are toggled.
QStringList BoldToggleNames();
