// SPDX-License-Identifier: GPL-3.0-or-later
// Every language fits: at the design's size (the main window) and at the least size of each other window (640 × 480
// for Add Service, Suggest Hymns and the usage report), no caption, button, label, column heading, box item or menu
// title is cut off, and no two commands of one menu or one window share a shortcut letter. Text is laid out as each
// control draws it, wrapping only where the control wraps. Measured with the Liberation faces the Linux window tests
// draw with (Arial and Times New Roman resolve to them); Windows draws with its own faces, so this test is for Linux.
#include "mainwindowfixture.h"
#include "windowharness.h"

#include "app/form/form1.h"
#include "app/logbook/addservicedialog.h"
#include "app/widgets/captionbutton.h"
#include "app/widgets/captioncheckbox.h"
#include "app/widgets/elidedlabel.h"
#include "app/widgets/valuelabel.h"
#include "language/language.h"
#include "workspace/loadedfile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A caption without its shortcut marks ("&&" stays one "&").
QString shown(QString text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == u'&')
            text.remove(at, 1);
    }
    return text;
}

QChar shortcutOf(const QString &text)
{
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text[at] == u'&') {
            if (text[at + 1] != u'&')
                return text[at + 1].toLower();
            ++at;
        }
    }
    return {};
}

// The control by its objectName, or, for an unnamed part, by the nearest named one holding it.
QString nameOf(const QWidget *widget)
{
    const QString kind = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    for (const QObject *up = widget->parent(); up != nullptr; up = up->parent()) {
        if (!up->objectName().isEmpty())
            return up->objectName() + u'/' + kind;
    }
    return kind;
}

// What the first and last glyphs of a line may stand past their room without losing ink.
constexpr int kBearings = 2;
constexpr int kDescent = 1;

class Fit {
public:
    explicit Fit(QString language) : m_language(std::move(language)) {}

    const QStringList &misfits() const { return m_misfits; }

    // Text laid out in area, wrapped where wrap says: it must lie inside, and no word may be wider.
    void check(const QWidget *control, const QString &text, const QFont &font, const QRect &area, bool wrap,
               int flags = Qt::AlignLeft | Qt::AlignVCenter)
    {
        if (text.trimmed().isEmpty())
            return;
        const QFontMetrics metrics(font);
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, area.width(), 100000), flags | (wrap ? Qt::TextWordWrap : 0), text);
        // Advances include the glyphs' side bearings, and the last line's lowest row holds only the tips of
        // descenders: neither takes a letter away.
        if (needed.width() <= area.width() + kBearings && needed.height() <= area.height() + kDescent)
            return;
        m_misfits.append(u"%1 [%2] \"%3\": needs %4 × %5 px, has %6 × %7"_s.arg(nameOf(control), m_language, text)
                             .arg(needed.width())
                             .arg(needed.height())
                             .arg(area.width())
                             .arg(area.height()));
    }

    void checkTree(QWidget *root)
    {
        const QList<QWidget *> widgets = root->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!widget->isVisibleTo(root) || widget->width() <= 0)
                continue;
            // Status lines and values are cut with their whole text in the tooltip, by design.
            if (qobject_cast<ElidedLabel *>(widget) || qobject_cast<ValueLabel *>(widget))
                continue;
            // The volumes are the machine's own names, not the program's words.
            if (widget->objectName() == u"Drive1")
                continue;
            if (auto *label = qobject_cast<QLabel *>(widget)) {
                if (label->textFormat() != Qt::RichText && !Qt::mightBeRichText(label->text()) &&
                    label->pixmap().isNull()) {
                    const QRect area = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                                      -label->margin(), -label->margin());
                    check(label, label->buddy() ? shown(label->text()) : label->text(), label->font(), area,
                          label->wordWrap(), int(label->alignment()));
                }
            } else if (auto *box = qobject_cast<CaptionCheckBox *>(widget)) {
                QStyleOptionButton option;
                option.initFrom(box);
                const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
                const int gap = box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
                check(box, shown(box->text()), box->font(), box->rect().adjusted(indicator.right() + 1 + gap, 0, 0, 0),
                      true);
            } else if (auto *button = qobject_cast<CaptionButton *>(widget)) {
                check(button, shown(button->text()), button->font(), button->rect().adjusted(1, 0, -1, 0), true,
                      Qt::AlignCenter);
            } else if (auto *tick = qobject_cast<QCheckBox *>(widget)) {
                QStyleOptionButton option;
                option.initFrom(tick);
                option.text = tick->text();
                const QRect text = tick->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, tick);
                check(tick, shown(tick->text()), tick->font(), text, false);
            } else if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
                QStyleOptionButton option;
                option.initFrom(radio);
                option.text = radio->text();
                const QRect text = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
                check(radio, shown(radio->text()), radio->font(), text, false);
            } else if (auto *push = qobject_cast<QPushButton *>(widget)) {
                QStyleOptionButton option;
                option.initFrom(push);
                option.text = push->text();
                const QRect text = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
                const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
                check(push, shown(push->text()), push->font(), text.adjusted(icon, 0, 0, 0), false, Qt::AlignCenter);
            } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
                check(group, shown(group->title()), group->font(), QRect(0, 0, group->width() - 16, 1000), false);
            } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
                QStyleOptionComboBox option;
                option.initFrom(combo);
                const QRect field =
                    combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
                for (int item = 0; item < combo->count(); ++item)
                    check(combo, combo->itemText(item), combo->font(), field, false);
            } else if (auto *header = qobject_cast<QHeaderView *>(widget)) {
                checkHeader(header);
            }
        }
    }

    void checkHeader(QHeaderView *header)
    {
        if (header->orientation() != Qt::Horizontal)
            return;
        const int padding =
            2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) +
            (header->isSortIndicatorShown() ? header->style()->pixelMetric(QStyle::PM_HeaderMarkSize) : 0);
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section))
                continue;
            const QString text = header->model()->headerData(section, Qt::Horizontal).toString();
            check(header, text, header->font(), QRect(0, 0, header->sectionSize(section) - padding, header->height()),
                  false);
        }
    }

    void checkMenus(QMenuBar *bar)
    {
        // A bar too narrow for its menus shows an extension button and hides the rest.
        const QList<QAction *> menus = bar->actions();
        for (QAction *menu : menus) {
            if (bar->actionGeometry(menu).right() >= bar->width())
                m_misfits.append(u"menu bar [%1] \"%2\" lies past the window's width"_s.arg(m_language, menu->text()));
            if (menu->menu())
                checkShortcuts(menu->menu());
        }
        checkShortcutsOf(u"menu bar"_s, menus);
    }

    // No two commands of one window share a shortcut letter.
    void checkWindowShortcuts(QWidget *window)
    {
        QList<QAction *> none;
        QMap<QChar, QString> taken;
        const QList<QWidget *> widgets = window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!widget->isVisibleTo(window))
                continue;
            QString text;
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                text = button->text();
            else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
                text = label->text();
            const QChar key = shortcutOf(text);
            if (key.isNull())
                continue;
            if (taken.contains(key))
                m_misfits.append(u"%1 [%2]: \"%3\" and \"%4\" share the shortcut %5"_s.arg(nameOf(window), m_language,
                                                                                           taken[key], text, key));
            taken.insert(key, text);
        }
    }

private:
    void checkShortcuts(QMenu *menu)
    {
        checkShortcutsOf(shown(menu->title()), menu->actions());
        for (QAction *action : menu->actions()) {
            if (action->menu())
                checkShortcuts(action->menu());
        }
    }

    void checkShortcutsOf(const QString &where, const QList<QAction *> &actions)
    {
        QMap<QChar, QString> taken;
        for (QAction *action : actions) {
            if (!action->isVisible() || action->isSeparator())
                continue;
            const QChar key = shortcutOf(action->text());
            if (key.isNull())
                continue;
            if (taken.contains(key))
                m_misfits.append(u"%1 [%2]: \"%3\" and \"%4\" share the shortcut %5"_s.arg(
                    where, m_language, taken[key], action->text(), key));
            taken.insert(key, action->text());
        }
    }

    QString m_language;
    QStringList m_misfits;
};

} // namespace

class TestLanguages : public QObject, public MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(setUpProgram(u"LanguagesTest"_s, Locale::UsEnglish)); }
    void cleanup()
    {
        tearDown();
        Language::install(u"en"_s);
    }

    void everyLanguageFits_data()
    {
        QTest::addColumn<QString>("language");
        // English first: it must fit before any translation is judged.
        QTest::newRow("en") << u"en"_s;
        for (const Language::Offered &language : Language::offered()) {
            if (language.code != u"en")
                QTest::newRow(qPrintable(language.code)) << language.code;
        }
    }

    void everyLanguageFits()
    {
        QFETCH(QString, language);
        Language::install(language);
        QVERIFY(setUpFolder(true));
        m_folder->write(u"ServiceLog.txt"_s, sample("ServiceLog.txt"));
        m_folder->write(u"Hymnal.txt"_s, sample("Hymnal.txt"));
        QVERIFY(openWindow(Shown::Exposed));
        Fit fit(language);
        QVERIFY(m_window->setHymnal(NativePath::fromText(m_folder->filePath(u"Hymnal.txt"_s))));

        // The design, in the log's layout and in the hymnal's.
        for (const char *file : {"Hymnal.txt", "ServiceLog.txt"}) {
            QVERIFY(m_window->openFile(NativePath::fromText(m_folder->filePath(QString::fromLatin1(file)))));
            QCOMPARE(m_window->form()->size(), QSize(640, 487));
            fit.checkTree(m_window->form());
        }
        fit.checkMenus(m_window->menuBar());

        // Each other window at its least size.
        const auto atLeast = [&](QWidget *window) {
            window->resize(window->minimumSize().expandedTo(QSize(640, 480)).boundedTo(QSize(640, 480)));
            QCoreApplication::processEvents();
            fit.checkTree(window);
            fit.checkWindowShortcuts(window);
        };
        m_window->openAddService();
        AddServiceDialog *dialog = m_window->addServiceDialog();
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        atLeast(dialog);
        dialog->reject();
        QTRY_VERIFY(!m_window->addServiceDialog());
        for (const char *name : {"actSuggest", "actReport"}) {
            QAction *open = m_window->findChild<QAction *>(QString::fromLatin1(name));
            QVERIFY(open);
            open->trigger();
            QWidget *window = QApplication::activeWindow();
            QTRY_VERIFY((window = QApplication::activeWindow()) != nullptr && window != m_window.get());
            atLeast(window);
            window->close();
        }
        QVERIFY2(fit.misfits().isEmpty(), qPrintable(fit.misfits().join(u'\n')));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_gui_languages_posix.moc"
