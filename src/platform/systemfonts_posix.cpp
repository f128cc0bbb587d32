// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX desktops: the metric-compatible Liberation faces keep the design's captions within their boxes.
#include "platform/systemfonts.h"

using namespace Qt::StringLiterals;

namespace SystemFonts {

QString face(const QString &designFace)
{
    return designFace;
}

std::vector<std::pair<QString, QString>> substitutes()
{
    return {{u"MS Sans Serif"_s, u"Liberation Sans"_s},
            {u"Arial"_s, u"Liberation Sans"_s},
            {u"Times New Roman"_s, u"Liberation Serif"_s}};
}

} // namespace SystemFonts
