// SPDX-License-Identifier: GPL-3.0-or-later
// The date beside the file list: "ddMMMyyyy" with English month abbreviations in every locale, since it is a
// fixed format ("05Mar2023") and not a regional date.
#pragma once

#include <QString>

QString fileDateText(qint64 secondsSinceEpoch);
