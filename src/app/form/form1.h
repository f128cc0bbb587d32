// SPDX-License-Identifier: GPL-3.0-or-later
// The one window: its controls, the entry store it owns, and the event handlers that turn each user action
// into a call of the core (loader, search, tally, pane rules) and write the results back to the controls.
#pragma once

#include "platform/nativepath.h"
#include "search/findhymns.h"
#include "store/entrystore.h"
#include "tally/tally.h"

#include <QHash>
#include <QRect>
#include <QWidget>

#include <memory>

class DirList;
class DriveList;
class FileList;
class Dialogs;
class LoadedFile;
namespace Panes {
struct ClickEdit;
}
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class ResultRows;
class ValueLabel;
class QPushButton;

class Form1 : public QWidget {
    Q_OBJECT
public:
    enum class Side { Left, Right };

    // dialogs answers the window's message and input boxes; without one the real Qt dialogs are used. The window
    // starts in startFolder, or without one in the folder the program was started in. loaded holds the loaded
    // file; without one the window keeps its own.
    explicit Form1(Dialogs *dialogs = nullptr, QWidget *parent = nullptr, const NativePath &startFolder = {},
                   LoadedFile *loaded = nullptr);
    ~Form1() override;

    const EntryStore &store() const;
    // 1 while the output lists hold a tally rather than search results.
    qint16 tallyShown() const { return TallyShown; }
    // 1 when the scripture book list could not be read from the current folder.
    qint16 fileErr() const { return FileErr; }
    // objectNames of the twelve controls the title label toggles, in the order they are toggled.
    static QStringList boldToggleNames();

    // Lets the classic face names of the design render with the faces this system has for them.
    static void registerFontSubstitutes();

    // What the menu bar asks of the window.
    // Find and Tally are offered when their buttons are (Tally for a service log only).
    bool canFind() const;
    bool canTally() const;
    int leftRowCount() const;
    int rightRowCount() const;
    // The criteria boxes as Tally reads them now, in the order the sort box names.
    Tally::TallyCriteria tallyCriteria() const;

    // The window's commands, for its own controls and for the menu bar alike.
    // Searches with the criteria as they stand ("Find", Enter in a criteria box).
    void find();
    // Counts the uses of each hymn under the criteria ("Tally").
    void tally();
    // Empties the criteria boxes ("Clear").
    void clearCriteria();
    // Puts a list on the clipboard, as a right click on it does.
    void copyList(Side side);
    // Switches the lists and boxes between normal and bold type (a click on the title).
    void toggleBold();
    // Shows the help text (a click on the credits line).
    void showHelp();
    // Loads the file chosen in the file list ("Get File").
    void loadChosenFile();
    // Loads the loaded file again from disk, as it is now, keeping the criteria boxes as they are; the lists clear
    // as after any load. False when nothing could be read (or nothing was loaded).
    bool reload();
    // Puts the cursor in the hymn number box with its text selected, ready to be typed over.
    void focusNumber();
    // Makes the file's folder the window's current one and loads the file as "Get File" does, also when the file
    // list does not show it; false when nothing could be loaded. A relative path is taken from the current folder.
    bool openFile(const NativePath &path);
    // The folder the folder list shows, where files are listed and the book list is read.
    const NativePath &currentFolder() const;
    // The service of the search's row last clicked with the left button: its head entry; 0 when no row of a search
    // was clicked since the lists were filled (or they hold a tally).
    int chosenServiceEntry() const;

Q_SIGNALS:
    // Something the menu bar shows may have changed: a file loaded, the lists refilled, the criteria cleared.
    void stateChanged();
    // A load of the file at path (absolute) was attempted, whether or not it succeeded.
    void fileOpened(const NativePath &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // Start-up and the background.
    void Form_Load();
    void Form_Click();

    // Choosing and loading the file.
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_MouseDown();
    void File1_Click();
    void Command1_Click();
    void GetFile();

    // The scripture book list.
    void LoadBooks();
    void BookList_Click();
    void Book_Click();

    // Search and criteria.
    void Go_Click();
    void FindHymns();
    void Command3_Click();
    void MarkClear();
    void Label13_Click();
    void Label14_Click();

    // Tally.
    void TallyAll_Click();

    // The output panes.
    void List1_Scroll();
    void List2_Scroll();
    void List1_Click();
    void List2_Click();
    void List1_MouseDown(Qt::MouseButton button);
    void List2_MouseDown(Qt::MouseButton button);
    void Label3_Click();
    void Label2_Click();

    void createControls();
    // The design's controls from its table, the clickable labels marked as such.
    void createFromTable();
    // The members that name the controls, found by their names.
    void bindControls();
    // What the table does not say: the lists' event filters and focus marks, the volume list's caption, the
    // stacking of the title's parts.
    void finishControls();
    void connectControls();
    void setKeyboardOrder();
    // Names for screen readers: boxes by their captions, lists and counts by what they hold now.
    void updateAccessibleNames();
    enum class Criteria { Clear, Keep };
    // GetFile for the file name in folder, shown as shownName in messages; true when it was opened.
    bool loadFrom(const NativePath &folder, const NativePath &name, const QString &shownName,
                  Criteria criteria = Criteria::Clear);
    void setLayoutFor(bool verseFile, bool hasReferences);
    // Names the file loaded (or tried) beside the file list, its full path in the tooltip.
    void showFileName(const NativePath &path, const QString &shownName);
    void applyClick(const Panes::ClickEdit &edit);
    // A left click on a search's row chose that row's service for the service commands.
    void chooseService(int row);
    // The criteria boxes and check boxes as they stand now.
    Search::SearchCriteria readCriteria() const;
    void fillLists(const QStringList &left, const QStringList &right);
    void moveTwips(QWidget *control, int left, int width);

    std::unique_ptr<LoadedFile> m_ownLoadedFile;
    LoadedFile *m_loadedFile;
    // Where the lists and the controls right of them stand in the design's 640 x 487.
    QHash<QWidget *, QRect> m_designPlaces;
    qint16 TallyShown = 0;
    qint16 FileErr = 0;
    // The count beside "#" gives the entries read until a search or tally lists rows.
    bool m_countsLoaded = true;
    // Names the volume list for screen readers, which on Linux name a drop-down by its value and by its label.
    QLabel *m_volumeCaption = nullptr;
    // What the two output lists show, row for row.
    ResultRows *m_leftRows = nullptr;
    ResultRows *m_rightRows = nullptr;
    // The entry each row of a search comes from, and the one of the row last clicked (0: none).
    std::vector<int> m_rowEntries;
    int m_chosenEntry = 0;
    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs;

    // Controls, named as users and the help text know them.
    QCheckBox *TitleOnly = nullptr;
    QCheckBox *ChkMusic = nullptr;
    QLineEdit *LimitYr = nullptr;
    QLineEdit *excludT = nullptr;
    QPushButton *BookList = nullptr;
    QListWidget *Book = nullptr;
    QCheckBox *ShowRefs = nullptr;
    QLineEdit *excludH = nullptr;
    QComboBox *TallySort = nullptr;
    QLineEdit *Filter = nullptr;
    QPushButton *TallyAll = nullptr;
    QCheckBox *Check1 = nullptr;
    QListView *List2 = nullptr;
    QPushButton *Go = nullptr;
    QLineEdit *hymname = nullptr;
    QLineEdit *hymnmbr = nullptr;
    QListView *List1 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command1 = nullptr;
    DirList *Dir1 = nullptr;
    DriveList *Drive1 = nullptr;
    FileList *File1 = nullptr;
    QCheckBox *ClipCopy = nullptr;
    QLabel *ShowYr = nullptr;
    QLabel *Label15 = nullptr;
    ValueLabel *indexPos = nullptr;
    ValueLabel *TitleCount = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Hcount = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label11 = nullptr;
    ValueLabel *ShowFile = nullptr;
    ValueLabel *ShowDate = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label1 = nullptr;
    ValueLabel *Tally = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
};
