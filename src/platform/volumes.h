// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's volumes for the drive list: mount points of real file systems on Linux, drive letters on Windows.
// Listing them never touches a volume that might not answer (a network share that has stopped, an empty drive):
// only choosing one does.
#pragma once

#include "platform/nativepath.h"

#include <QString>

#include <functional>
#include <vector>

namespace Volumes {

struct Volume {
    NativePath root;
    QString shown; // the row's text: "/", "/media/usb"; "c:", "d: [DATA]" on Windows
};

// The volumes in the order the list shows them: the system's, or those of the lister a test installed.
std::vector<Volume> list();
// Installs lister in the system's place (empty for the system's again).
void setLister(std::function<std::vector<Volume>()> lister);
// The system's own volumes.
std::vector<Volume> systemList();

} // namespace Volumes
