#include "TextFit.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace {

// The part of w (in its own coordinates) that its ancestors up to the window leave visible.
QRect visibleRect(const QWidget *w)
{
    QRect r = w->rect();
    QPoint offset;
    for (const QWidget *p = w; !p->isWindow() && p->parentWidget(); p = p->parentWidget()) {
        offset += p->pos();
        r &= p->parentWidget()->rect().translated(-offset);
    }
    return r;
}

QString sizeText(QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); }

// One line of text set in a font, with the mnemonic '&' left out.
QSize textSize(const QFontMetrics &fm, const QString &text, int extraWidth = 0)
{
    return fm.size(Qt::TextShowMnemonic, text) + QSize(extraWidth, 0);
}

// Collects the cut texts of one window.
struct Checker {
    QWidget *window;
    QStringList cuts;

    void checkShown()
    {
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(window))
                continue;
            if (auto *label = qobject_cast<QLabel *>(w))
                checkLabel(label);
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                checkButton(button);
            else if (auto *bar = qobject_cast<QTabBar *>(w))
                checkTabs(bar);
            else if (auto *box = qobject_cast<QGroupBox *>(w))
                checkGroupBox(box);
            else if (auto *table = qobject_cast<QTableView *>(w))
                checkTable(table);
            else if (auto *view = qobject_cast<QChartView *>(w))
                checkChart(view);
        }
    }

    void add(const QWidget *w, const QString &text, const QString &why)
    {
        const QString line = QStringLiteral("%1 (%2) '%3': %4")
                                 .arg(w->objectName(), QLatin1String(w->metaObject()->className()), text, why);
        if (!cuts.contains(line))
            cuts << line;
    }

    // 'needed' must fit inside 'room', which must itself be visible in the window.
    void expectFits(const QWidget *w, const QString &text, QSize needed, QRect room)
    {
        const QRect shown = room & visibleRect(w);
        if (needed.width() > shown.width() || needed.height() > shown.height() || shown != room)
            add(w, text, QStringLiteral("needs %1, has %2 of %3")
                             .arg(sizeText(needed), sizeText(shown.size()), sizeText(room.size())));
    }

    void checkLabel(QLabel *label)
    {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return;
        const int m = label->margin();
        const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
        const int flags = (label->buddy() ? Qt::TextShowMnemonic : 0) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QSize needed =
            label->fontMetrics().boundingRect(QRect(0, 0, room.width(), 1 << 20), flags, label->text()).size();
        expectFits(label, label->text(), needed, room);
    }

    void checkButton(QAbstractButton *button)
    {
        auto *tool = qobject_cast<QToolButton *>(button);
        if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            || qobject_cast<QTabBar *>(button->parentWidget())) // the tab bar's scroll arrows
            return;
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        opt.icon = button->icon();
        opt.iconSize = button->iconSize();
        const QStyle::SubElement contents = qobject_cast<QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
                                            : qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                                                   : QStyle::SE_PushButtonContents;
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        expectFits(button, button->text(), textSize(button->fontMetrics(), button->text(), icon),
                   button->style()->subElementRect(contents, &opt, button));
    }

    void checkTabs(QTabBar *bar)
    {
        const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        for (int i = 0; i < bar->count(); ++i) {
            if (!bar->isTabVisible(i))
                continue;
            if (!visibleRect(bar).contains(bar->tabRect(i)))
                add(bar, bar->tabText(i), QStringLiteral("tab %1 lies outside the bar").arg(i));
            else
                expectFits(bar, bar->tabText(i), textSize(bar->fontMetrics(), bar->tabText(i), space), bar->tabRect(i));
        }
        for (auto *arrow : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
            if (arrow->isVisibleTo(bar))
                add(bar, QString(), QStringLiteral("scroll arrows shown"));
    }

    void checkGroupBox(QGroupBox *box)
    {
        if (box->title().isEmpty())
            return;
        QStyleOptionGroupBox opt;
        opt.initFrom(box);
        opt.text = box->title();
        opt.lineWidth = 1;
        opt.textAlignment = box->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
        expectFits(box, box->title(), textSize(box->fontMetrics(), box->title()), label & box->rect());
        if (!box->rect().contains(label))
            add(box, box->title(), QStringLiteral("title runs past the frame"));
    }

    void checkTable(QTableView *table)
    {
        const QAbstractItemModel *model = table->model();
        if (!model)
            return;
        if (!visibleRect(table).contains(table->rect()))
            add(table, QString(), QStringLiteral("the grid is cut by its window"));
        const int pad = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
        const QRect viewport = table->viewport()->rect();
        for (int r = 0; r < model->rowCount(); ++r) {
            for (int c = 0; c < model->columnCount(); ++c) {
                const QModelIndex index = model->index(r, c);
                const QString text = index.data(Qt::DisplayRole).toString();
                if (text.isEmpty() || table->isRowHidden(r) || table->isColumnHidden(c))
                    continue;
                const QVariant font = index.data(Qt::FontRole);
                const QSize needed = QFontMetrics(font.isValid() ? font.value<QFont>() : table->font()).size(0, text)
                                     + QSize(pad, 0);
                // A long grid scrolls down to its rows, never sideways to a column.
                const QRect cell = table->visualRect(index);
                const QString where = QStringLiteral("cell %1,%2").arg(r).arg(c);
                if (!viewport.contains(QRect(cell.left(), 0, cell.width(), viewport.height())))
                    add(table, text, where + QStringLiteral(" is not wholly in view"));
                else if (needed.width() > cell.width() || needed.height() > cell.height())
                    add(table, text, where + QStringLiteral(" needs %1, has %2").arg(sizeText(needed), sizeText(cell.size())));
            }
        }
    }

    // A chart shortens a title that has no room to "...": the titles it was given must be
    // shown as they are.
    void checkChart(QChartView *view)
    {
        QChart *chart = view->chart();
        if (!chart || !view->scene())
            return;
        view->grab();
        QStringList shown;
        for (QGraphicsItem *item : view->scene()->items())
            if (auto *text = dynamic_cast<QGraphicsTextItem *>(item); text && text->isVisible())
                shown << text->toPlainText();
        QStringList titles{chart->title()};
        for (QAbstractAxis *axis : chart->axes())
            if (axis->isVisible() && axis->isTitleVisible())
                titles << axis->titleText();
        for (const QString &title : titles)
            if (!title.isEmpty() && !shown.contains(title))
                add(view, title, QStringLiteral("shown shortened"));
    }
};

} // namespace

QStringList CutTexts(QWidget *window)
{
    Checker checker{window, {}};
    // A title bar sets the title in bold beside the window's icon and buttons.
    QFont bold = window->font();
    bold.setBold(true);
    const int title = QFontMetrics(bold).horizontalAdvance(window->windowTitle()) + 120;
    if (window->width() < title)
        checker.add(window, window->windowTitle(), QStringLiteral("title bar needs %1, has %2").arg(title).arg(window->width()));
    checker.checkShown();
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        if (!tabs->isVisibleTo(window))
            continue;
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (i == current)
                continue;
            tabs->setCurrentIndex(i);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            checker.checkShown();
        }
        tabs->setCurrentIndex(current);
    }
    return checker.cuts;
}
