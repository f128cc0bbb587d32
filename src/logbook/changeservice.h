// SPDX-License-Identifier: GPL-3.0-or-later
// Correcting a service already in the log: its lines replaced, or the service removed, with every other byte of
// the file left as it was, in the file's own encoding and line ends.
#pragma once

#include "logbook/addservice.h"
#include "store/serviceview.h"

#include <QByteArray>

namespace Logbook {

// A service of the loaded log as the dialog is filled with it: its date, the occasion its head line names, and its
// lines across its continuation entries, a line whose first word is a number (HymnKey) split into number and
// title, any other line whole as its text.
NewService loggedService(const ServiceView &service);

// The file's bytes with the service at index (the services in file order, as the loader groups them, from 0)
// written as service: from its head line to its last line's line end, or, with keepHead, from its second line on,
// so that a head line whose date and occasion are unchanged stays as the file writes it. Its texts are checked as
// addService checks them. Refused, with no bytes, also when the file holds no such service, or when the change would
// make the program read any other service differently (a head line above it taking its year from this one), or
// not read the service whole (a full log).
AddedService replaceService(const QByteArray &fileBytes, int index, const NewService &service, bool keepHead,
                            LineEnd fallback);

// The file's bytes without the service at index: its lines and the one blank line that parted it from the next
// service, or from the one before when it is the last. Refused, with no bytes, as replaceService is.
AddedService removeService(const QByteArray &fileBytes, int index);

} // namespace Logbook
