// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: Arial and Times New Roman are there as named, and "MS Sans Serif", a bitmap face that cannot be drawn at
// the design's sizes, is asked for as its outline successor. Where a face is missing (Wine, which has none of
// them), the metric-compatible Liberation faces stand in, as on Linux.
#include "platform/systemfonts.h"

using namespace Qt::StringLiterals;

namespace SystemFonts {

QString face(const QString &designFace)
{
    return designFace == u"MS Sans Serif"_s ? u"Microsoft Sans Serif"_s : designFace;
}

std::vector<std::pair<QString, QString>> substitutes()
{
    return {{u"Microsoft Sans Serif"_s, u"Liberation Sans"_s},
            {u"Arial"_s, u"Liberation Sans"_s},
            {u"Times New Roman"_s, u"Liberation Serif"_s}};
}

} // namespace SystemFonts
