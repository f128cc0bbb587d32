// SPDX-License-Identifier: GPL-3.0-or-later
// Adding one service to a service log: the whole file's new bytes made from its old ones, the service written in
// the file's own encoding, line ends, order and head line style, and every other byte left as it was.
#pragma once

#include "logbook/fileform.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace Logbook {

struct ServiceLine {
    QString number; // the hymn's number; empty for a line without one ("Anthem")
    QString text;   // the hymn's title, or the whole line when it has no number
};

struct NewService {
    QDate date;
    QString occasion; // written after the date on the head line ("Easter"); may be empty
    std::vector<ServiceLine> lines;
};

struct AddedService {
    QByteArray bytes; // the whole new file; empty when the service was refused
    QString error;    // why it was refused, as a message for the user
    QString headLine; // the head line as written
    int hymns = 0;    // lines written with a number
    QString status;   // "Service of Dec 14, 2026 added: 5 hymns", for once the file is written

    bool ok() const { return error.isEmpty(); }
};

// The file's bytes with the service added where its date puts it: a service on or after the latest at the end of
// a file kept oldest first and at the top of one kept newest first; an older one after the last service dated on
// or before it (newest first: above the first), one blank line between it and its neighbours. Each line is
// trimmed and blank lines are left out; a hymn needs a title. Refused, with no bytes, when a text holds a line break
// or NUL, a line holds "--" (the program would read the whole file as hymn texts), a character cannot be written in
// the file's encoding, the file is not a service log, or the program would never read the service back (the log
// is full, or read only in part). fallback is the line end of a file that has none yet.
AddedService addService(const QByteArray &fileBytes, const NewService &service, LineEnd fallback);

// The service as addService writes it into a file of form, head line first (taking carriedSuffix as a head line
// without a comma does; withHead false: its lines alone), with its hymns counted; or, in error, why it cannot be
// written, for the same reasons.
struct ServiceText {
    QStringList lines;
    int hymns = 0;
    QString error;
};
ServiceText serviceText(const FileForm &form, const NewService &service, const QString &carriedSuffix,
                        bool withHead = true);
// text in the file's encoding; nothing, with the message in *error, when a character cannot be written in it.
std::optional<QByteArray> encodedFor(const FileForm &form, const QString &text, QString *error);

} // namespace Logbook
