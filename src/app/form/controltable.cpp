// SPDX-License-Identifier: GPL-3.0-or-later
// The design's table of controls, with their twips, captions, fonts and start states as the design gives them, and
// the widgets they are made as.
#include "app/form/controltable.h"

#include "app/form/resultrows.h"
#include "app/pickers/dirlist.h"
#include "app/pickers/drivelist.h"
#include "app/pickers/filelist.h"
#include "app/widgets/captionbutton.h"
#include "app/widgets/captioncheckbox.h"
#include "app/widgets/shortrowdelegate.h"
#include "app/widgets/valuelabel.h"
#include "platform/systemfonts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>

namespace ControlTable {

namespace {

// The window's design, in the order the window declares its controls.
constexpr ControlRow kControls[] = {
    {u"TitleOnly", Kind::CheckBox, "title only", 6240, 1200, 1095, 255, false, u"Arial", 8.25, Bold},
    {u"ChkMusic", Kind::CheckBox, "of music?", 8400, 2350, 1125, 255, false, u"Arial", 8.25, Bold},
    {u"LimitYr", Kind::TextBox, "", 8760, 1920, 735, 375, false, u"Arial", 9.75, Plain},
    {u"excludT", Kind::TextBox, "", 5400, 3120, 1575, 375, true, u"MS Sans Serif", 9.75, Plain},
    {u"BookList", Kind::Button, "book list", 8880, 3720, 615, 435, false, u"Arial", 8.25, Bold},
    {u"Book", Kind::ListBox, "", 8520, 4320, 975, 2205, false, u"MS Sans Serif", 8.25, Plain},
    {u"ShowRefs", Kind::CheckBox, "incl. refs", 8810, 5520, 700, 375, false, u"Arial", 8.25, Bold},
    {u"excludH", Kind::TextBox, "", 7080, 3120, 1455, 405, true, u"MS Sans Serif", 9.75, Plain},
    {u"TallySort", Kind::ComboBox, "", 7440, 1440, 1095, 315, false, u"MS Sans Serif", 8.25, Plain},
    {u"Filter", Kind::TextBox, "", 5880, 600, 3615, 495, true, u"MS Sans Serif", 12, Plain},
    {u"TallyAll", Kind::Button, "Tally", 8760, 1320, 735, 495, false, u"Arial", 9.75, Bold},
    {u"Check1", Kind::CheckBox, " full # only", 6240, 2480, 1215, 255, true, u"Arial", 8.25, Bold},
    {u"List2", Kind::ResultList, "", 3120, 4320, 5295, 2910, true, u"MS Sans Serif", 9.75, Plain},
    {u"Go", Kind::Button, "Find", 8760, 2800, 735, 855, false, u"Arial", 9.75, Bold},
    {u"hymname", Kind::TextBox, "", 960, 3600, 7575, 495, true, u"MS Sans Serif", 12, Plain},
    {u"hymnmbr", Kind::TextBox, "", 6240, 1920, 1575, 495, true, u"MS Sans Serif", 12, Plain},
    {u"List1", Kind::ResultList, "", 120, 4320, 2895, 2910, true, u"MS Sans Serif", 9.75, Plain},
    {u"Command3", Kind::Button, "Clear", 8640, 6840, 855, 375, true, u"Arial", 9.75, Bold},
    {u"Command1", Kind::Button, "Get File", 8400, 120, 1095, 375, false, u"Arial", 9.75, Bold},
    {u"Dir1", Kind::DirList, "", 120, 1440, 2415, 1890, true, u"MS Sans Serif", 8.25, Plain},
    {u"Drive1", Kind::DriveList, "", 120, 960, 2415, 330, true, u"Arial", 8.25, Bold},
    {u"File1", Kind::FileList, "", 2640, 1440, 2535, 1980, true, u"MS Sans Serif", 8.25, Plain},
    {u"ClipCopy", Kind::CheckBox, "copy w/ title", 8620, 6000, 900, 435, true, u"Arial", 8.25, Bold},
    {u"ShowYr", Kind::Label, "Year", 8280, 2020, 375, 255, false, u"Arial", 8.25, Bold},
    {u"Label15", Kind::Label, "exclude title:", 5520, 2880, 1335, 255, true, u"Arial", 8.25, Bold | Italic},
    {u"indexPos", Kind::ValueLabel, "", 8640, 6600, 735, 255, true, u"MS Sans Serif", 8.25, Bold},
    {u"TitleCount", Kind::ValueLabel, "", 8880, 5040, 615, 375, true, u"MS Sans Serif", 9.75, Bold},
    {u"Label13", Kind::Label, "2", 2880, 120, 255, 495, true, u"Times New Roman", 20.25, Bold | Italic},
    {u"Hcount", Kind::Label, "# of hymns:", 8520, 4800, 975, 375, true, u"Arial", 8.25, Bold},
    {u"Label14", Kind::Label, "\u00A9", 3300, 200, 135, 255, true, u"Arial", 9, Plain},
    {u"Label12", Kind::Label, "exclude hymn:", 7200, 2880, 1215, 255, true, u"Arial", 8.25, Bold | Italic},
    {u"Label11", Kind::Label, "Sort tally by:", 7440, 1200, 1215, 255, false, u"Arial", 8.25, Bold},
    {u"ShowFile", Kind::ValueLabel, "", 6000, 120, 1575, 255, false, u"Arial", 8.25, Bold},
    {u"ShowDate", Kind::ValueLabel, "", 5040, 120, 900, 255, true, u"Arial", 8.25, Bold},
    {u"Label7", Kind::Label, "Limit date to:", 5040, 600, 735, 495, true, u"Arial", 9.75, Bold},
    {u"Label6", Kind::Label, "#", 8520, 4320, 105, 375, true, u"Arial", 9.75, Bold},
    {u"Label5", Kind::Label, "Title phrase:", 120, 3600, 855, 495, true, u"Arial", 9.75, Bold},
    {u"Label1", Kind::Label, "Hymn #", 5400, 2040, 735, 375, true, u"Arial", 9.75, Bold},
    {u"Tally", Kind::ValueLabel, "", 8680, 4320, 815, 375, true, u"MS Sans Serif", 12, Bold},
    {u"Label4", Kind::Label, "Files:", 2640, 1200, 735, 255, true, u"Arial", 9, Bold},
    {u"Label3", Kind::Label, "Cantorix2 team 2026", 3480, 200, 1215, 375, true, u"Arial", 8.25, Bold},
    {u"Label2", Kind::Label, "Cantorix", 120, 120, 3135, 735, true, u"Times New Roman", 30, Bold | Italic},
};

QWidget *makeWidget(Kind kind, QWidget *parent)
{
    switch (kind) {
    case Kind::CheckBox:
        return new CaptionCheckBox(parent);
    case Kind::TextBox:
        return new QLineEdit(parent);
    case Kind::Button:
        return new CaptionButton(parent);
    case Kind::ListBox:
        return new QListWidget(parent);
    case Kind::ResultList:
        return new QListView(parent);
    case Kind::ComboBox:
        return new QComboBox(parent);
    case Kind::DirList:
        return new DirList(parent);
    case Kind::DriveList:
        return new DriveList(parent);
    case Kind::FileList:
        return new FileList(parent);
    case Kind::Label:
        return new QLabel(parent);
    case Kind::ValueLabel:
        return new ValueLabel(parent);
    }
    return nullptr;
}

} // namespace

std::span<const ControlRow> rows()
{
    return kControls;
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
}

QWidget *create(const ControlRow &row, QWidget *parent)
{
    QWidget *control = makeWidget(row.kind, parent);
    control->setObjectName(QString::fromUtf16(row.name));
    control->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    QFont font(SystemFonts::face(QString::fromUtf16(row.family)));
    font.setPointSizeF(row.points);
    font.setBold((row.style & Bold) != 0);
    font.setItalic((row.style & Italic) != 0);
    control->setFont(font);
    row.caption.showOn(control);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        // ShowFile names the file loaded, and a file's name is text, whatever it looks like.
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
    }
    if (auto *list = qobject_cast<QListView *>(control)) {
        list->setUniformItemSizes(true);
        // Rows come from the user's files, so they can be of any length.
        if (row.kind == Kind::ListBox || row.kind == Kind::ResultList)
            list->setItemDelegate(new ShortRowDelegate(list));
        if (row.kind == Kind::ResultList) {
            list->setModel(new ResultRows(list));
            list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        }
    }
    control->setVisible(row.shown);
    return control;
}

} // namespace ControlTable
